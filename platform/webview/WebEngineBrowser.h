#pragma once

#include "platform/desktop/EmbeddedBrowser.h"

#include <QObject>
#include <QPointF>

class QLabel;
class QWebEngineView;
class QWidget;

namespace platform {

class PreviewPage;

// The Preview tab's browser: a Qt WebEngine view filling its host. Its page's
// failures stay in it: a page that does not load, script errors, and a
// renderer that dies, after which the view is made afresh at the next page
// and says so.
class WebEngineBrowser final : public QObject, public EmbeddedBrowser {
    Q_OBJECT
public:
    explicit WebEngineBrowser(QWidget& host);
    ~WebEngineBrowser() override;

    void navigate(const QUrl& page) override;
    void showElement(const ElementPath& path) override;
    void setWebLinkHandler(std::function<void(const QUrl&)> open) override;
    QWebEngineView* view() const { return view_; }
    // The scripts that find and outline an element, run in the page.
    static QString elementScript(const ElementPath& path, bool outline);

private:
    void makeView();
    void loaded(bool ok);
    void apply();

    QWidget& host_;
    QWebEngineView* view_ = nullptr;
    PreviewPage* page_ = nullptr;
    QLabel* note_ = nullptr;
    std::function<void(const QUrl&)> openWebLink_;
    bool crashed_ = false;
    bool loading_ = false;
    // What was shown last, and where the user had scrolled it.
    QUrl shownUrl_;
    ElementPath shownPath_;
    bool pathShown_ = false;
    QPointF scroll_;
    // What the next load brings.
    QUrl url_;
    ElementPath path_;
    bool pathKnown_ = false;
    bool sameAsShown_ = false;
};

} // namespace platform
