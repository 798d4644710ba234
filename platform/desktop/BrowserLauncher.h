#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace platform {

// Opens a page in a new window of the user's own browser, without waiting
// for it. Answers false when no browser could be started.
class BrowserLauncher {
public:
    virtual ~BrowserLauncher() = default;
    virtual bool openInNewWindow(const QString& url) = 0;
};

// The commands the BROWSER variable names for a URL, in the order to try
// them: a colon-separated list of commands, in each "%s" replaced by the URL
// ("%%" is one "%"), or the URL appended when there is no "%s". Each command
// is split into program and arguments at spaces.
std::vector<QStringList> browserCommands(const QString& browserVariable, const QString& url);

// The launcher of the desktop: the BROWSER variable's commands first, then
// the desktop's default browser.
class DesktopBrowserLauncher final : public BrowserLauncher {
public:
    bool openInNewWindow(const QString& url) override;
};

} // namespace platform
