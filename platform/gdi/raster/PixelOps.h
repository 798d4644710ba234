#pragma once

#include "platform/gdi/objects/Bitmap.h"
#include "platform/gdi/objects/Rect.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace gdi {

// Every drawing call clips through these. An intersection of rectangles that do
// not meet has left > right; they turn that into "nothing to draw" so no loop
// or fill ever runs over a reversed span.

inline Rect bounds(const Bitmap& b) {
    return {0, 0, b.width(), b.height()};
}

// The area [left, right) x [top, bottom), given in 64 bits so that a position
// plus a size may pass the 32-bit range, cut to clip; nullopt when nothing is left.
inline std::optional<Rect> clipArea(std::int64_t left, std::int64_t top, std::int64_t right,
                                    std::int64_t bottom, const Rect& clip) {
    const std::int64_t l = std::max<std::int64_t>(left, clip.left);
    const std::int64_t t = std::max<std::int64_t>(top, clip.top);
    const std::int64_t r = std::min<std::int64_t>(right, clip.right);
    const std::int64_t b = std::min<std::int64_t>(bottom, clip.bottom);
    if (l >= r || t >= b)
        return std::nullopt;
    return Rect{static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)};
}

inline std::optional<Rect> clipRect(const Rect& r, const Rect& clip) {
    return clipArea(r.left, r.top, r.right, r.bottom, clip);
}

// The pixels of b covered by a width x height area with its top-left at (x, y).
inline std::optional<Rect> clipPlacement(const Bitmap& b, int x, int y, int width, int height) {
    return clipArea(x, y, std::int64_t{x} + width, std::int64_t{y} + height, bounds(b));
}

// Sets the pixels of r that lie inside b to c (already in b's format).
inline void fillClipped(Bitmap& b, const Rect& r, COLORREF c) {
    if (const auto area = clipRect(r, bounds(b)))
        for (int y = area->top; y < area->bottom; ++y)
            std::fill(b.row(y) + area->left, b.row(y) + area->right, c);
}

} // namespace gdi
