#pragma once

#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

namespace platform {

// The browser view inside the document window's Preview tab.
class EmbeddedBrowser {
public:
    virtual ~EmbeddedBrowser() = default;
    virtual void navigate(const QUrl& page) = 0;
};

// Makes the view inside `host` the first time a page is shown; the program
// supplies it, so the editor itself never links the web engine.
using EmbeddedBrowserFactory = std::function<std::unique_ptr<EmbeddedBrowser>(QWidget& host)>;

} // namespace platform
