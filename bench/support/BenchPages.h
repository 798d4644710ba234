#pragma once

// Shared by the in-process benchmarks: the pages bench/run generates, the
// document window that opens them, figures of the process, and a wait on
// the event loop.
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "platform/prompts/Prompts.h"
#include "support/RecordingPlacement.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QString>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include <sys/resource.h>

namespace bench {

// A page written by bench_make_pages into $OSTRA_BENCH_PAGES (bench/run sets it).
inline QString page(const char* name) {
    const char* dir = std::getenv("OSTRA_BENCH_PAGES");
    return QString::fromLocal8Bit(dir ? dir : "build-bench/pages") + QLatin1Char('/') +
           QLatin1String(name);
}

inline double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Peak resident memory of this process so far, in MiB.
inline double peakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Says yes to every question and reports nothing, so reopening never stops.
class NoPrompts final : public platform::Prompts {
public:
    platform::PromptAnswer message(QWidget*, const QString& text, const QString&,
                                   platform::PromptIcon, platform::PromptButtons) override {
        last = text;
        return platform::PromptAnswer::Yes;
    }
    int choose(QWidget*, const QString& text, const QString&, platform::PromptIcon,
               const QStringList&) override {
        last = text;
        return 0;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QString> askText(QWidget*, const QString&, const QString&,
                                   const QString&) override {
        return std::nullopt;
    }
    QString last;
};

// The document window, shown, as a user has it.
struct Window {
    Window() {
        window.create(QString());
        window.resize(900, 700);
        window.show();
        QApplication::processEvents();
    }
    editor::SourceEditor& coding() { return *window.coding(); }
    // A key as the user types it, and the repaint it causes: the editor
    // invalidates what changed and the event loop paints it.
    void type(const QString& text = QStringLiteral("x")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, text);
        QApplication::sendEvent(&coding(), &press);
        QApplication::processEvents();
    }
    void repaint() { coding().viewport()->repaint(); }
    NoPrompts prompts;
    RecordingPlacement placement;
    editor::frmMain window{prompts, placement};
};

// Runs the event loop, as the program's own does (sleeping while idle), until
// `done` or the time is up.
inline void runUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(5);
    if (!done())
        loop.exec();
}

} // namespace bench
