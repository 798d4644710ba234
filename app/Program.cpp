#include "app/launch/ProgramEntry.h"
#include "core/text/PathBytes.h"
#include "editor/frmMain.h"
#include "editor/recovery/RecoveryStore.h"
#include "platform/desktop/GuardedApplication.h"
#include "platform/desktop/WebViewLoader.h"
#include "platform/prompts/QtPrompts.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/system/ProcessAge.h"
#include "shell/CommandLine.h"
#include "shell/ProgramIcon.h"
#include "shell/frmSplash.h"
#include "shell/mdimain.h"

#include <QApplication>
#include <QImage>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> argumentsOf(int argc, char* argv[]) {
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
}

// Prints what --help and --version ask for; false for a file to open.
bool answered(const shell::CommandLine& line) {
    if (line.action == shell::CommandLine::Action::Open)
        return false;
    const std::string text =
        line.action == shell::CommandLine::Action::Help ? shell::usageText() : shell::versionText();
    std::fputs(text.c_str(), stdout);
    return true;
}

// Answers what needs no window, before Qt would abort without a display.
// Returns the exit status, or nothing when the program is to start.
std::optional<int> answerWithoutWindow(const std::vector<std::string>& arguments) {
    if (answered(shell::parseCommandLine(arguments)))
        return 0;
    if (const auto problem = shell::missingDisplay(shell::displayEnvironmentOf(arguments))) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return 1;
    }
    return std::nullopt;
}

} // namespace

// Started by the launcher (app/launch), which may have put the splash
// picture on the screen already.
extern "C" __attribute__((visibility("default"))) int ostra_run(int argc, char* argv[],
                                                                const OstraStart* start) {
    if (const auto status = answerWithoutWindow(argumentsOf(argc, argv)))
        return *status;
    // No Qt::AA_ShareOpenGLContexts: it makes a GL context at start (56 MiB);
    // the web view module makes the one it shares when the first preview is.
    platform::GuardedApplication app(argc, argv);
    // Read again from argv, which Qt has stripped of its own options (they
    // may come first), as bytes, so that a name that is not UTF-8 keeps them.
    const shell::CommandLine line = shell::parseCommandLine(argumentsOf(argc, argv));
    if (answered(line))
        return 0;
    // The X11 window class, which docks match with the desktop entry's
    // StartupWMClass, and the cache folder's name, whatever name the
    // program was started under.
    QCoreApplication::setApplicationName(QStringLiteral("ostra"));
    // Ties the windows to the installed desktop entry (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(OSTRA_APP_ID));
    QApplication::setWindowIcon(shell::programIcon());
    platform::QtPrompts prompts;
    platform::IniSettingsStore settings;
    // Outlives the windows: the document window's copies are written through it.
    const editor::RecoveryStore recovery(editor::RecoveryStore::defaultFolder());
    const QString commandLine = core::pathFromBytes(line.path);

    std::unique_ptr<shell::mdimain> frame;
    app.setOutOfMemoryHandler([&frame] {
        if (frame && frame->documentWindow())
            frame->documentWindow()->memoryRanOut(editor::frmMain::MemoryFailure::EventFailed);
    });
    shell::SplashTimings timings;
    timings.startedMsAgo = [] { return qint64(platform::processAgeMs()); };
    const auto makeFrame = [&] {
        if (frame)
            return;
        frame = std::make_unique<shell::mdimain>(prompts, settings, commandLine);
        frame->setPreviewServices({platform::webViewModuleFactory(), nullptr, {}});
        frame->setRecoveryStore(&recovery);
    };
    // The launcher's picture as it is, not a copy: its words are Qt's RGB32.
    QImage picture;
    if (start && start->splashPixels)
        picture = QImage(reinterpret_cast<const uchar*>(start->splashPixels), start->splashWidth,
                         start->splashHeight, start->splashWidth * 4, QImage::Format_RGB32);
    shell::frmSplash splash(
        timings,
        [&] {
            makeFrame();
            frame->showDocumentWindow();
        },
        picture);
    const auto endEarlySplash = [start] {
        if (start && start->endEarlySplash)
            start->endEarlySplash(start->context);
    };
    // The two pictures overlap a moment (the window manager and the X server
    // take Qt's in their own time), so the screen never shows neither.
    QObject::connect(&splash, &shell::frmSplash::painted, &splash,
                     [&] { QTimer::singleShot(100, &splash, endEarlySplash); });
    QObject::connect(&splash, &shell::frmSplash::closed, [&] {
        endEarlySplash();
        shell::quitWhenNoWindowIsOpen();
    });
    splash.show();
    // The frame is made, unseen, while the splash is up (its system window
    // too), so that the document window shows on time.
    const auto spent = std::clamp<qint64>(timings.startedMsAgo(), 0, timings.showDocumentMs);
    QTimer::singleShot(static_cast<int>(timings.showDocumentMs - spent) / 2, &splash, [&] {
        makeFrame();
        frame->winId();
    });
    return app.exec();
}
