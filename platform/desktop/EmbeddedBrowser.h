#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

namespace platform {

// Where an element is in a page's tree: each step an element's lower-case
// name and its place among its parent's children of that name (0 for the
// first), from inside the body down. Empty: the top of the page.
struct ElementStep {
    QString name;
    int index = 0;
    bool operator==(const ElementStep& o) const { return name == o.name && index == o.index; }
};
using ElementPath = QList<ElementStep>;

// The browser view inside the document window's Preview tab.
class EmbeddedBrowser {
public:
    virtual ~EmbeddedBrowser() = default;
    virtual void navigate(const QUrl& page) = 0;
    // Once the page shown is loaded: the element at `path` in view and
    // outlined a moment (the nearest that exists, where the page differs),
    // or, for the same page and element as last time, the page where the
    // user left it.
    virtual void showElement(const ElementPath& path) { (void)path; }
    // Where a link the user follows to the web goes: never into the preview.
    virtual void setWebLinkHandler(std::function<void(const QUrl&)> open) { (void)open; }
};

// Makes the view inside `host` the first time a page is shown; the program
// supplies it, so the editor itself never links the web engine.
using EmbeddedBrowserFactory = std::function<std::unique_ptr<EmbeddedBrowser>(QWidget& host)>;

} // namespace platform
