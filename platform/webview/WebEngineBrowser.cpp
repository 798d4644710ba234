#include "platform/webview/WebEngineBrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <unistd.h>

namespace platform {

WebEngineBrowser::WebEngineBrowser(QWidget& host) : view_(nullptr) {
    // The engine's sandbox refuses to run as root (containers, CI); only then
    // is it turned off, before the engine's process starts.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new QWebEngineView(&host);
    view_->setObjectName(QStringLiteral("WBView"));
    layout->addWidget(view_);
}

void WebEngineBrowser::navigate(const QUrl& page) {
    view_->setUrl(page);
}

} // namespace platform
