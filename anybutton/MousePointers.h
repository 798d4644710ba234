#pragma once

#include <Qt>

#include <cstdint>
#include <optional>

namespace anybutton {

// The stock pointer a MousePointer code stands for. Codes 0 (the default) and
// 99 (custom: the MouseIcon), and codes outside the list, have none: the
// button then keeps its default pointer.
std::optional<Qt::CursorShape> stockPointer(std::int16_t code);

} // namespace anybutton
