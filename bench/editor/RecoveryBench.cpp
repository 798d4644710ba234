// The cost of recovery copies on a 100 MB document opened from a file and
// typed in: interface-thread CPU of a keystroke while the journal is written
// (run again with --without for the same keys without copies), the bytes
// each write adds, the base copied once off the interface thread, the
// process's CPU over 10 s after the last key, and the peak memory.
// Run with QT_QPA_PLATFORM=offscreen.
#include "editor/editing/SourceEditor.h"
#include "editor/frmMain.h"
#include "editor/recovery/RecoveryKeeper.h"
#include "editor/recovery/RecoveryStore.h"
#include "support/FakePrompts.h"
#include "support/RecordingPlacement.h"
#include "support/StringText.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>

namespace {

double threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double processMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

std::string page(size_t bytes) {
    const std::string row = "<tr><td class=\"name\">Caf\xC3\xA9 M\xC3\xBCller</td>"
                            "<td><a href=\"/p/42\">details</a></td></tr>\r\n";
    std::string text;
    text.reserve(bytes + row.size());
    while (text.size() < bytes)
        text += row;
    return text;
}

double peakMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Runs the event loop, idle between events, for `ms`.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir state;
    FakePrompts prompts;
    RecordingPlacement placement;
    const editor::RecoveryStore store(state.path());
    editor::frmMain window(prompts, placement);
    const bool recovery = argc < 2 || std::string(argv[1]) != "--without";
    if (recovery)
        window.setRecovery(store);
    window.create(QString());
    window.show();
    editor::SourceEditor& coding = *window.coding();
    // Opened from a file and then changed, as a user meets it.
    const QString file = state.filePath(QStringLiteral("page.html"));
    {
        QFile out(file);
        const std::string text = page(100u << 20);
        if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), text.size()) < 0)
            return 1;
    }
    if (!window.OpenFile(file))
        return 1;
    coding.SendScintilla(QsciScintilla::SCI_GOTOPOS, coding.textBytes().size() / 2);
    runFor(500);

    // 30 keys, one every 250 ms: copies fall due at the longest wait while typing goes on.
    std::vector<double> keys;
    for (int i = 0; i < 30; ++i) {
        const double before = threadMs();
        QTest::keyClick(coding.viewport(), Qt::Key_X);
        coding.viewport()->repaint();
        keys.push_back(threadMs() - before);
        runFor(250);
    }
    const double beforeIdle = processMs();
    const double beforeIdleThread = threadMs();
    runFor(10000);
    const double idleProcess = processMs() - beforeIdle;
    const double idleThread = threadMs() - beforeIdleThread;
    const QDir folder(state.path());
    const auto size = [&](const char* pattern) {
        qint64 total = 0;
        for (const QFileInfo& f : folder.entryInfoList({QLatin1String(pattern)}, QDir::Files))
            total += f.size();
        return total;
    };

    std::sort(keys.begin(), keys.end());
    std::printf("keystroke in a 100 MB document%s: median %.3f ms, worst %.3f ms of "
                "interface-thread CPU\n",
                recovery ? " while its journal is written" : " without recovery copies",
                keys[keys.size() / 2], keys.back());
    if (recovery)
        std::printf("journal after 30 keys: %lld bytes (%.0f a key); base copied once off the "
                    "interface thread: %lld MB\n",
                    static_cast<long long>(size("*.journal")),
                    static_cast<double>(size("*.journal")) / 30.0,
                    static_cast<long long>(size("*.base") >> 20));
    std::printf("10 s after the last key: %.0f ms CPU in all, %.0f ms of it on the interface "
                "thread; peak memory %.0f MiB\n",
                idleProcess, idleThread, peakMiB());
    if (recovery) {
        // The journal's own share of a key: its notices and records, on a
        // text held in a string, with writes of every 30 keys as while typing.
        StringText text;
        text.text = "<p>caf\xC3\xA9</p>";
        const editor::RecoveryStore other(state.filePath(QStringLiteral("micro")));
        editor::RecoveryKeeper keeper(
            text, [] { return editor::RecoveryKeeper::Document{}; }, other, {}, nullptr);
        const double start = threadMs();
        constexpr int kKeys = 100000;
        for (int i = 0; i < kKeys; ++i) {
            text.insertBytes(3, "x");
            if (i % 30 == 29)
                keeper.flush();
        }
        std::printf("the journal's share of a key on the interface thread: %.2f us\n",
                    (threadMs() - start) * 1000.0 / kKeys);
    }
    std::fflush(stdout);
    prompts.answers = {platform::PromptAnswer::No}; // the changes go, and the copy with them
    window.close();
    return 0;
}
