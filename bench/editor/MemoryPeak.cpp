// Peak memory of a process that opens one page in the document window, and
// optionally selects all of it and copies it. Prints the peak in MiB; bench/run
// starts one process per figure, since a peak never goes down.
//
//   QT_QPA_PLATFORM=offscreen bench_memory_peak open|copy FILE
#include "support/BenchPages.h"

#include <QAction>
#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3 || (std::strcmp(argv[1], "open") != 0 && std::strcmp(argv[1], "copy") != 0)) {
        std::fprintf(stderr, "usage: %s open|copy FILE\n", argv[0]);
        return 2;
    }
    bench::Window w;
    const double before = bench::peakMiB();
    if (!w.window.OpenFile(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s\n", w.prompts.last.toLocal8Bit().constData());
        return 1;
    }
    w.repaint();
    if (std::strcmp(argv[1], "copy") == 0) {
        w.window.findChild<QAction*>(QStringLiteral("mnuSelectAll"))->trigger();
        w.window.findChild<QAction*>(QStringLiteral("mnuCopy"))->trigger();
        w.repaint();
    }
    std::printf("peak_MiB %.1f window_MiB %.1f\n", bench::peakMiB(), before);
    return 0;
}
