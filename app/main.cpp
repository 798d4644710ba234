#include "core/text/PathBytes.h"
#include "editor/frmMain.h"
#include "editor/recovery/RecoveryStore.h"
#include "platform/desktop/GuardedApplication.h"
#include "platform/desktop/WebViewLoader.h"
#include "platform/prompts/QtPrompts.h"
#include "platform/settings/IniSettingsStore.h"
#include "shell/ProgramIcon.h"
#include "shell/frmSplash.h"
#include "shell/mdimain.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    // No Qt::AA_ShareOpenGLContexts: it makes a GL context at start (56 MiB);
    // the web view module makes the one it shares when the first preview is.
    platform::GuardedApplication app(argc, argv);
    // Ties the windows to the installed desktop entry (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(OSTRA_APP_ID));
    QApplication::setWindowIcon(shell::programIcon());
    platform::QtPrompts prompts;
    platform::IniSettingsStore settings;
    // Outlives the windows: the document window's copies are written through it.
    const editor::RecoveryStore recovery(editor::RecoveryStore::defaultFolder());
    // The whole argument string is one path, however the shell split it. Read
    // from argv (which Qt has stripped of its own options), so that a name that
    // is not UTF-8 keeps its bytes.
    QByteArray argumentBytes;
    for (int i = 1; i < argc; ++i)
        argumentBytes += (i > 1 ? " " : "") + QByteArray(argv[i]);
    const QString commandLine = core::pathFromBytes(argumentBytes.toStdString());

    std::unique_ptr<shell::mdimain> frame;
    app.setOutOfMemoryHandler([&frame] {
        if (frame && frame->documentWindow())
            frame->documentWindow()->memoryRanOut(editor::frmMain::MemoryFailure::EventFailed);
    });
    shell::frmSplash splash(shell::SplashTimings{}, [&] {
        if (!frame) {
            frame = std::make_unique<shell::mdimain>(prompts, settings, commandLine);
            frame->setPreviewServices({platform::webViewModuleFactory(), nullptr, {}});
            frame->setRecoveryStore(&recovery);
        }
        frame->showDocumentWindow();
    });
    QObject::connect(&splash, &shell::frmSplash::closed, &shell::quitWhenNoWindowIsOpen);
    splash.show();
    return app.exec();
}
