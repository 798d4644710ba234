#pragma once

#include <QString>

namespace platform {

// Opens a button's address. Results are never reported back.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // The shell's handler for the address (mail addresses).
    virtual void openWithShell(const QString& address) = 0;
    // The hyperlink service: the address in a browser.
    virtual void navigate(const QString& target) = 0;
};

} // namespace platform
