#include "platform/desktop/WebViewLoader.h"

#include "platform/desktop/ModulePath.h"

#include <QLibrary>

namespace platform {

namespace {

using CreateBrowser = EmbeddedBrowser* (*)(QWidget*);

} // namespace

EmbeddedBrowserFactory webViewModuleFactory() {
    return [](QWidget& host) -> std::unique_ptr<EmbeddedBrowser> {
        // Like any library of the program, it stays loaded for the whole run.
        QLibrary module(modulePath(QStringLiteral("libostra-webview.so")));
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
