#pragma once

#include "platform/desktop/UrlOpener.h"

namespace platform {

// Opens addresses with the desktop's handlers (QDesktopServices).
class DesktopUrlOpener : public UrlOpener {
public:
    void openWithShell(const QString& address) override;
    // A relative file name that exists is taken from the current directory.
    void navigate(const QString& target) override;
};

} // namespace platform
