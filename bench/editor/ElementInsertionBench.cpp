// Element insertion and typing in a 100 MB page, through the real document
// window. Run with QT_QPA_PLATFORM=offscreen.
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "support/FakePrompts.h"
#include "support/RecordingPlacement.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A window holding `megabytes` of markup, with 1 KB selected in its middle.
struct LargeDocument {
    explicit LargeDocument(int megabytes) {
        window.create(QString());
        std::string text;
        const std::string line = "<p>Caf\xC3\xA9 line of a large page, more text</p>\r\n";
        text.reserve(static_cast<size_t>(megabytes) << 20);
        while (text.size() < (static_cast<size_t>(megabytes) << 20))
            text += line;
        window.coding()->replaceText(text);
        middle = static_cast<long>(text.size() / 2);
    }
    void selectKilobyte() {
        window.coding()->SendScintilla(QsciScintilla::SCI_SETSEL,
                                       static_cast<unsigned long>(middle), middle + 1024);
    }
    FakePrompts prompts;
    RecordingPlacement placement;
    editor::frmMain window{prompts, placement};
    long middle = 0;
};

void BM_InsertAroundOneKilobyte(benchmark::State& state) {
    LargeDocument doc(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        doc.selectKilobyte();
        state.ResumeTiming();
        doc.window.Command2_Click(1); // "B"
    }
}

void BM_TypeOneCharacterInTheMiddle(benchmark::State& state) {
    LargeDocument doc(static_cast<int>(state.range(0)));
    doc.window.coding()->SendScintilla(QsciScintilla::SCI_GOTOPOS,
                                       static_cast<unsigned long>(doc.middle));
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(doc.window.coding(), &press);
    }
}

} // namespace

BENCHMARK(BM_InsertAroundOneKilobyte)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeOneCharacterInTheMiddle)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);
