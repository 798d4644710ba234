// What each setting of the editor component does for one long line: a bare
// QsciScintilla shows a one-line page, takes a keystroke in its middle and
// idles with the caret there. Prints one Markdown table row per choice.
// Run with QT_QPA_PLATFORM=offscreen.
//
//   bench_long_line_choices FILE
#include "editor/editing/LineSegmenter.h"
#include "support/BenchPages.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>
#include <string>

namespace {

using Sci = QsciScintillaBase;

enum Choice : unsigned {
    Wrap = 1,
    DocumentLayoutCache = 2,
    LargePositionCache = 4,
    SteadyCaret = 8,
    Runs = 16,
};

struct Row {
    const char* name;
    unsigned choices;
};

const Row kRows[] = {
    {"component defaults", 0},
    {"character wrapping", Wrap},
    {"layout cache for the whole document", DocumentLayoutCache},
    {"position cache of 262144 runs", LargePositionCache},
    {"caret blink off", SteadyCaret},
    {"runs cut by style", Runs},
    {"runs cut by style + position cache", Runs | LargePositionCache},
    {"runs + position cache + steady caret (Ostra)", Runs | LargePositionCache | SteadyCaret},
};

void settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void measure(const Row& row, const QByteArray& text) {
    QsciScintilla e;
    e.setUtf8(true);
    e.setMarginWidth(1, 0);
    e.SendScintilla(Sci::SCI_SETMODEVENTMASK, 0UL);
    if (row.choices & Wrap)
        e.setWrapMode(QsciScintilla::WrapCharacter);
    if (row.choices & DocumentLayoutCache)
        e.SendScintilla(Sci::SCI_SETLAYOUTCACHE,
                        static_cast<unsigned long>(Sci::SC_CACHE_DOCUMENT));
    if (row.choices & LargePositionCache)
        e.SendScintilla(Sci::SCI_SETPOSITIONCACHE, 1UL << 18);
    if (row.choices & SteadyCaret)
        e.SendScintilla(Sci::SCI_SETCARETPERIOD, 0UL);

    const double start = bench::cpuSeconds();
    e.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0UL);
    e.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(text.size()), text.constData());
    e.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1UL);
    if (row.choices & Runs) {
        std::string styles;
        editor::LineSegmenter segmenter;
        segmenter.append(std::string_view(text.constData(), static_cast<size_t>(text.size())),
                         styles);
        e.SendScintilla(Sci::SCI_STARTSTYLING, 0UL);
        e.SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<unsigned long>(styles.size()),
                        styles.data());
    }
    e.resize(900, 600);
    e.show();
    e.setFocus();
    e.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(text.size() / 2));
    e.viewport()->repaint();
    settle();
    const double shown = bench::cpuSeconds();

    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&e, &press);
    e.viewport()->repaint();
    settle();
    const double typed = bench::cpuSeconds();

    QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    const double idle = (bench::cpuSeconds() - typed) / 2;
    std::printf("| %s | %.0f ms | %.0f ms | %.0f ms/s |\n", row.name, (shown - start) * 1000,
                (typed - shown) * 1000, idle * 1000);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    const QByteArray text = file.readAll();
    std::printf("| Choice (bare component, %lld MB line) | CPU to show | CPU per keystroke | "
                "idle CPU, caret in the line |\n|---|---|---|---|\n",
                static_cast<long long>(text.size() >> 20));
    for (const Row& row : kRows)
        measure(row, text);
    return 0;
}
