#pragma once

#include <Qt>

#include <cstdint>

namespace anybutton {

// Qt input in the button's event terms.

// Shift-state bits: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

// Button bits: 1 left, 2 right, 4 middle; other buttons count as none.
std::int16_t buttonBits(Qt::MouseButtons buttons);

// The platform key code of a Qt key: letters upper-case ASCII, digits ASCII,
// Space 32, Enter 13, F1 112 and so on; 0 for keys without one.
std::int16_t virtualKeyCode(int qtKey);

} // namespace anybutton
