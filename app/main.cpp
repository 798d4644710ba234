#include "platform/desktop/WebViewLoader.h"
#include "platform/prompts/QtPrompts.h"
#include "platform/settings/IniSettingsStore.h"
#include "shell/ProgramIcon.h"
#include "shell/frmSplash.h"
#include "shell/mdimain.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    // The web engine wants shared GL contexts; setting this starts nothing of it.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    // Ties the windows to the installed desktop entry (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(OSTRA_APP_ID));
    QApplication::setWindowIcon(shell::programIcon());
    platform::QtPrompts prompts;
    platform::IniSettingsStore settings;
    // The whole argument string is one path, however the shell split it.
    const QString commandLine = app.arguments().mid(1).join(QLatin1Char(' '));

    std::unique_ptr<shell::mdimain> frame;
    shell::frmSplash splash(shell::SplashTimings{}, [&] {
        if (!frame) {
            frame = std::make_unique<shell::mdimain>(prompts, settings, commandLine);
            frame->setPreviewServices({platform::webViewModuleFactory(), nullptr, {}});
        }
        frame->showDocumentWindow();
    });
    QObject::connect(&splash, &shell::frmSplash::closed, &shell::quitWhenNoWindowIsOpen);
    splash.show();
    return app.exec();
}
