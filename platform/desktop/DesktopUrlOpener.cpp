#include "platform/desktop/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace platform {

void DesktopUrlOpener::openWithShell(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void DesktopUrlOpener::navigate(const QString& target) {
    QDesktopServices::openUrl(QUrl::fromUserInput(target, QDir::currentPath()));
}

} // namespace platform
