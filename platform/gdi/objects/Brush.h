#pragma once

#include "platform/gdi/objects/Color.h"

namespace gdi {

struct Brush {
    COLORREF color = kWhite;
};

inline Brush CreateSolidBrush(COLORREF color) {
    return Brush{color};
}

} // namespace gdi
