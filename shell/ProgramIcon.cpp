#include "shell/ProgramIcon.h"

#include <QGuiApplication>

// Resources of a static library must be registered by name, outside any namespace.
static void registerShellResources() {
    Q_INIT_RESOURCE(shell);
}

namespace shell {

void initShellResources() {
    registerShellResources();
}

QIcon programIcon() {
    // Every window shares the one the application was given.
    if (const QIcon given = QGuiApplication::windowIcon(); !given.isNull())
        return given;
    initShellResources();
    QIcon icon;
    for (const int px : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/shell/ostra-%1.png").arg(px), QSize(px, px));
    return icon;
}

} // namespace shell
