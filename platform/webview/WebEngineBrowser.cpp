#include "platform/webview/WebEngineBrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <unistd.h>

// Exported by the engine's core library; declared only in its private headers.
namespace QtWebEngineCore {
void initialize();
} // namespace QtWebEngineCore

namespace platform {

WebEngineBrowser::WebEngineBrowser(QWidget& host) : view_(nullptr) {
    // The engine's sandbox refuses to run as root (containers, CI); only then
    // is it turned off, before the engine's process starts.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine composes its frames through a GL context shared with the
    // program. We choose: that context is made here, before the first view,
    // not at every start through Qt::AA_ShareOpenGLContexts (56 MiB resident
    // before any preview). The engine's own set-up makes it, as it would had
    // it been loaded before the application; later calls do nothing.
    QtWebEngineCore::initialize();
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
