#pragma once

#include "platform/desktop/EmbeddedBrowser.h"

namespace platform {

// Makes the Preview tab's browser from the web view module, beside the
// program in a build or in its private library folder once installed,
// loaded on the first call. Without the module there is no view.
EmbeddedBrowserFactory webViewModuleFactory();

} // namespace platform
