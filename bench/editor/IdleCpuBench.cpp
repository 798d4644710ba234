// Idle CPU of the document window over 10 s with a page open, beside a
// variant that recomputes the command state on a 1 ms timer as a polling
// design would. Run with QT_QPA_PLATFORM=offscreen; prints both figures.
#include "editor/frmMain.h"
#include "support/FakePrompts.h"
#include "support/RecordingPlacement.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU used while the event loop runs for `seconds`.
double idleCpu(int seconds) {
    const double before = cpuSeconds();
    // exit(), not quit(): quit() first asks every window to close.
    QTimer::singleShot(seconds * 1000, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    return cpuSeconds() - before;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    FakePrompts prompts;
    RecordingPlacement placement;
    editor::frmMain window(prompts, placement);
    window.create(QString());
    window.show();

    const double events = idleCpu(seconds);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, &editor::frmMain::refreshCommandState);
    poll.start(1);
    const double polled = idleCpu(seconds);
    std::printf("idle CPU over %d s: on events %.0f ms, polling every 1 ms %.0f ms\n", seconds,
                events * 1000, polled * 1000);
    return 0;
}
