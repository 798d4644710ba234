#include "platform/desktop/WebViewLoader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace platform {

namespace {

using CreateBrowser = EmbeddedBrowser* (*)(QWidget*);

// The module lies beside the program in a build, and in the program's
// private library folder (OSTRA_MODULE_DIR under the prefix) once installed.
QString modulePath() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString beside = program + QStringLiteral("/libostra-webview.so");
    if (QFileInfo::exists(beside))
        return beside;
    return program + QStringLiteral("/../" OSTRA_MODULE_DIR "/libostra-webview.so");
}

} // namespace

EmbeddedBrowserFactory webViewModuleFactory() {
    return [](QWidget& host) -> std::unique_ptr<EmbeddedBrowser> {
        // Like any library of the program, it stays loaded for the whole run.
        QLibrary module(modulePath());
        const auto create =
            reinterpret_cast<CreateBrowser>(module.resolve("ostraCreateEmbeddedBrowser"));
        if (!create) {
            qWarning("No preview: %s", qPrintable(module.errorString()));
            return nullptr;
        }
        return std::unique_ptr<EmbeddedBrowser>(create(&host));
    };
}

} // namespace platform
