#pragma once

#include "platform/gdi/objects/Color.h"

namespace gdi {

inline constexpr int PS_SOLID = 0;

// A solid pen one pixel wide: the only pen the layer draws with.
struct Pen {
    COLORREF color = kBlack;
};

// Style and width are accepted for readability; every pen is solid and one pixel wide.
inline Pen CreatePen(int /*style*/, int /*width*/, COLORREF color) {
    return Pen{color};
}

} // namespace gdi
