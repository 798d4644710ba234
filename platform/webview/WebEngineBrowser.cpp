#include "platform/webview/WebEngineBrowser.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>

// Exported by the engine's core library; declared only in its private headers.
namespace QtWebEngineCore {
void initialize();
} // namespace QtWebEngineCore

namespace platform {

// The preview's page: the user's own pages and what they embed show in it;
// a link to the web goes to the user's browser, and nothing takes the preview
// to a remote site. The page's script errors are the page's affair.
class PreviewPage final : public QWebEnginePage {
public:
    PreviewPage(QObject* parent, const std::function<void(const QUrl&)>& openWebLink)
        : QWebEnginePage(parent), openWebLink_(openWebLink) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        const QString scheme = url.scheme();
        const bool local = scheme == QLatin1String("file") || scheme == QLatin1String("data") ||
                           scheme == QLatin1String("about") || scheme == QLatin1String("blob");
        if (local || !isMainFrame)
            return true;
        if (type == NavigationTypeLinkClicked && openWebLink_)
            openWebLink_(url);
        return false;
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}

private:
    const std::function<void(const QUrl&)>& openWebLink_;
};

WebEngineBrowser::WebEngineBrowser(QWidget& host) : host_(host) {
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
    layout->setSpacing(0);
    note_ = new QLabel(&host);
    note_->setObjectName(QStringLiteral("WBNote"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->hide();
    layout->addWidget(note_);
    makeView();
}

WebEngineBrowser::~WebEngineBrowser() = default;

void WebEngineBrowser::makeView() {
    view_ = new QWebEngineView(&host_);
    view_->setObjectName(QStringLiteral("WBView"));
    page_ = new PreviewPage(view_, openWebLink_);
    view_->setPage(page_);
    host_.layout()->addWidget(view_);
    connect(view_, &QWebEngineView::loadFinished, this, &WebEngineBrowser::loaded);
    connect(page_, &QWebEnginePage::scrollPositionChanged, this, [this](const QPointF& at) {
        if (!loading_)
            scroll_ = at;
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    crashed_ = true;
            });
}

void WebEngineBrowser::setWebLinkHandler(std::function<void(const QUrl&)> open) {
    openWebLink_ = std::move(open);
}

void WebEngineBrowser::navigate(const QUrl& page) {
    if (crashed_) {
        // Its page stopped: a fresh view, and the user told why it reloads.
        crashed_ = false;
        view_->deleteLater();
        makeView();
        shownUrl_ = QUrl();
        note_->setText(QStringLiteral("The preview stopped unexpectedly and was started again."));
        note_->show();
        QTimer::singleShot(8000, note_, &QLabel::hide);
    }
    url_ = page;
    pathKnown_ = false;
    loading_ = true;
    view_->setUrl(page);
}

void WebEngineBrowser::showElement(const ElementPath& path) {
    path_ = path;
    pathKnown_ = true;
    apply();
}

void WebEngineBrowser::loaded(bool) {
    loading_ = false;
    apply();
}

void WebEngineBrowser::apply() {
    if (loading_)
        return;
    const bool samePage = url_ == shownUrl_;
    if (!pathKnown_) {
        // Back on the same page: where the user left it, until the caret says more.
        if (samePage)
            page_->runJavaScript(
                QStringLiteral("window.scrollTo(%1, %2);").arg(scroll_.x()).arg(scroll_.y()));
        return;
    }
    if (samePage && pathShown_ && path_ == shownPath_)
        page_->runJavaScript(
            QStringLiteral("window.scrollTo(%1, %2);").arg(scroll_.x()).arg(scroll_.y()));
    else
        page_->runJavaScript(elementScript(path_, true));
    shownUrl_ = url_;
    shownPath_ = path_;
    pathShown_ = true;
    pathKnown_ = false;
}

QString WebEngineBrowser::elementScript(const ElementPath& path, bool outline) {
    QStringList steps;
    for (const ElementStep& s : path) {
        QString name = s.name;
        name.remove(QRegularExpression(QStringLiteral("[^a-z0-9:._-]")));
        steps << QStringLiteral("['%1',%2]").arg(name.toUpper()).arg(s.index);
    }
    // Step by step from the body; where a step finds nothing (the page on
    // disk differs from the text) the nearest element found stands. Rows a
    // table holds directly are in the body the browser makes for them.
    return QStringLiteral(R"(
(function() {
  var steps = [%1];
  var el = document.body;
  if (!el) return;
  function nth(parent, name, n) {
    for (var c = parent.firstElementChild, k = 0; c; c = c.nextElementSibling)
      if (c.tagName === name && k++ === n) return c;
    return null;
  }
  for (var i = 0; i < steps.length; i++) {
    var next = nth(el, steps[i][0], steps[i][1]);
    for (var c = el.firstElementChild; !next && el.tagName === 'TABLE' && c; c = c.nextElementSibling)
      if (/^(TBODY|THEAD|TFOOT)$/.test(c.tagName)) next = nth(c, steps[i][0], steps[i][1]);
    if (!next) break;
    el = next;
  }
  if (el === document.body) { window.scrollTo(0, 0); return; }
  el.scrollIntoView({block: 'center'});
  if (%2 && el.animate)
    el.animate([{outline: '3px solid rgba(255, 140, 0, 0.9)', outlineOffset: '2px'},
                {outline: '3px solid rgba(255, 140, 0, 0)', outlineOffset: '2px'}],
               {duration: 1600, easing: 'ease-out'});
})();
)")
        .arg(steps.join(QLatin1Char(',')),
             outline ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace platform
