#pragma once

#include "platform/desktop/EmbeddedBrowser.h"

class QWebEngineView;

namespace platform {

// The Preview tab's browser: a Qt WebEngine view filling its host.
class WebEngineBrowser final : public EmbeddedBrowser {
public:
    explicit WebEngineBrowser(QWidget& host);
    void navigate(const QUrl& page) override;
    QWebEngineView* view() const { return view_; }

private:
    QWebEngineView* view_;
};

} // namespace platform
