#include "platform/gdi/objects/Icon.h"

#include "platform/gdi/objects/Color.h"

namespace gdi {

Icon::Icon(int width, int height)
    : width_(width > 0 && height > 0 ? width : 0), height_(width > 0 && height > 0 ? height : 0),
      argb_(static_cast<std::size_t>(width_) * height_, 0) {}

Bitmap Icon::onWhite() const {
    Bitmap out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* src = argb_.data() + static_cast<std::size_t>(y) * width_;
        COLORREF* dst = out.row(y);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = src[x];
            dst[x] = blend(p & kColorBits, p >> 24, kWhite);
        }
    }
    return out;
}

} // namespace gdi
