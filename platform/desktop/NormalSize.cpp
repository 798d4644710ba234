#include "platform/desktop/NormalSize.h"

#include <QWidget>

namespace platform {

void resizeNormal(QWidget& window, const QSize& size) {
    const Qt::WindowStates states = window.windowState();
    const Qt::WindowStates special = states & (Qt::WindowMinimized | Qt::WindowMaximized);
    if (!special) {
        window.resize(size);
        return;
    }
    window.setWindowState(states & ~special);
    window.resize(size);
    window.setWindowState(states);
}

} // namespace platform
