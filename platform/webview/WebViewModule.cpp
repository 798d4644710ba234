#include "platform/webview/WebEngineBrowser.h"

// The module's one entry: the program loads it, and the web engine with it,
// only when the first page is previewed.
extern "C" Q_DECL_EXPORT platform::EmbeddedBrowser* ostraCreateEmbeddedBrowser(QWidget* host) {
    return new platform::WebEngineBrowser(*host);
}
