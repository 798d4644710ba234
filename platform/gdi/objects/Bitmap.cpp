#include "platform/gdi/objects/Bitmap.h"

#include <algorithm>

namespace gdi {

Bitmap::Bitmap(int width, int height, BitmapFormat format)
    : width_(width > 0 && height > 0 ? width : 0), height_(width > 0 && height > 0 ? height : 0),
      format_(format), pixels_(static_cast<std::size_t>(width_) * height_, 0) {}

void Bitmap::fill(COLORREF c) {
    std::fill(pixels_.begin(), pixels_.end(), toNative(c));
}

COLORREF Bitmap::toNative(COLORREF rgb) const {
    if (format_ == BitmapFormat::Color)
        return rgb & kColorBits;
    // Nearer white than black: r + g + b above 382.5.
    return GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb) >= 383 ? kMonoOne : 0;
}

} // namespace gdi
