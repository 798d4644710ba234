#pragma once

#include "platform/desktop/EmbeddedBrowser.h"

namespace platform {

// Makes the Preview tab's browser from the web view module beside the
// program, loaded on the first call. Without the module there is no view.
EmbeddedBrowserFactory webViewModuleFactory();

} // namespace platform
