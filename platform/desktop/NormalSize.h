#pragma once

class QSize;
class QWidget;

namespace platform {

// Sizes the window's normal state. A minimized or maximized window keeps its
// state and returns to this size when the user restores it; without this a
// window that starts maximized restores to a title-bar stub.
void resizeNormal(QWidget& window, const QSize& size);

} // namespace platform
