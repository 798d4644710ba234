// Large pages in a shown document window, with and without syntax colouring
// (the second argument: 1 coloured, 0 plain). Every step ends with the editor
// drawn, since colouring costs only what drawing styles.
// The third argument of the steps in the middle of a page: 1 keeps the
// editor's accessible interface, which Qt makes when the window is shown even
// with no assistive technology listening and which counts the characters up
// to the caret at every update; 0 drops it, to show the editor's own cost.
// Run with QT_QPA_PLATFORM=offscreen.
#include "editor/editing/SourceEditor.h"
#include "editor/editing/SyntaxColouring.h"
#include "editor/frmMain.h"
#include "support/FakePrompts.h"
#include "support/RecordingPlacement.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

enum class Shape { Lines, OneLine };

QString makePage(const QTemporaryDir& dir, int megabytes, Shape shape) {
    const QString path =
        dir.filePath(QStringLiteral("page-%1-%2.html").arg(megabytes).arg(static_cast<int>(shape)));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    const QByteArray piece = shape == Shape::Lines
                                 ? QByteArray("<p class=\"x\">Caf\xC3\xA9 line &amp; text</p>\r\n")
                                 : QByteArray("<p class=\"x\">Caf\xC3\xA9 line &amp; text</p>");
    QByteArray block;
    while (block.size() < (1 << 20))
        block += piece;
    for (int i = 0; i < megabytes; ++i)
        f.write(block);
    return path;
}

struct ShownWindow {
    explicit ShownWindow(const benchmark::State& state) {
        window.create(QString());
        if (state.range(1) == 0) {
            // As before colouring: no lexer on any document.
            window.coding()->setLexer(nullptr);
            delete window.findChild<editor::SyntaxColouring*>();
        }
        window.resize(800, 600);
        window.show();
        QApplication::processEvents();
    }
    editor::SourceEditor* coding() { return window.coding(); }
    void draw() { coding()->viewport()->repaint(); }
    void key() {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(coding(), &press);
    }
    long length() { return coding()->SendScintilla(QsciScintilla::SCI_GETLENGTH); }
    long endStyled() { return coding()->SendScintilla(QsciScintilla::SCI_GETENDSTYLED); }
    FakePrompts prompts;
    RecordingPlacement placement;
    editor::frmMain window{prompts, placement};
};

void reportStyled(benchmark::State& state, ShownWindow& w) {
    state.counters["styled_MB"] = static_cast<double>(w.endStyled()) / (1 << 20);
}

// Open, take a key, draw: what the user waits for before the page answers.
void BM_OpenUntilKeystrokeDrawn(benchmark::State& state) {
    QTemporaryDir dir;
    const Shape shape = state.range(2) != 0 ? Shape::OneLine : Shape::Lines;
    const QString path = makePage(dir, static_cast<int>(state.range(0)), shape);
    ShownWindow w(state);
    for (auto _ : state) {
        w.window.OpenFile(path);
        w.key();
        w.draw();
    }
    reportStyled(state, w);
}

// A page of `megabytes` MB with the caret in its middle, drawn there once.
struct MiddleOfPage : ShownWindow {
    MiddleOfPage(const benchmark::State& state) : ShownWindow(state) {
        const QString path = makePage(dir, static_cast<int>(state.range(0)), Shape::Lines);
        window.OpenFile(path);
        coding()->SendScintilla(QsciScintilla::SCI_GOTOPOS,
                                static_cast<unsigned long>(length() / 2));
        if (state.range(2) == 0) {
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(coding()))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        }
    }
    // Idle time until everything above the shown text is styled.
    void styleInIdleTime() {
        while (coding()->lexer() && endStyled() < length() / 2)
            QApplication::processEvents();
    }
    QTemporaryDir dir;
};

// The first drawing in the middle: the colouring styles a slice above it.
void BM_FirstDrawInTheMiddle(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        MiddleOfPage w(state);
        state.ResumeTiming();
        w.draw();
        state.PauseTiming();
        reportStyled(state, w);
        state.ResumeTiming();
    }
}

// After the first drawing, idle time styles the rest above the shown text.
void BM_IdleStylingUpToTheMiddle(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        MiddleOfPage w(state);
        w.draw();
        state.ResumeTiming();
        w.styleInIdleTime();
    }
}

void BM_KeyInTheMiddle(benchmark::State& state) {
    MiddleOfPage w(state);
    w.draw();
    w.styleInIdleTime();
    for (auto _ : state)
        w.key();
    reportStyled(state, w);
}

void BM_KeyInTheMiddleDrawn(benchmark::State& state) {
    MiddleOfPage w(state);
    w.draw();
    w.styleInIdleTime();
    for (auto _ : state) {
        w.key();
        w.draw();
    }
    reportStyled(state, w);
}

} // namespace

// {MB, coloured, one line}
BENCHMARK(BM_OpenUntilKeystrokeDrawn)
    ->Args({100, 0, 0})
    ->Args({100, 1, 0})
    ->Args({10, 0, 1})
    ->Args({10, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
// {MB, coloured, accessible interface}
BENCHMARK(BM_FirstDrawInTheMiddle)
    ->Args({100, 0, 0})
    ->Args({100, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_IdleStylingUpToTheMiddle)
    ->Args({100, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_KeyInTheMiddle)->Args({100, 0, 1})->Args({100, 1, 1})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyInTheMiddleDrawn)
    ->Args({100, 0, 1})
    ->Args({100, 1, 1})
    ->Args({100, 0, 0})
    ->Args({100, 1, 0})
    ->Unit(benchmark::kMicrosecond);
