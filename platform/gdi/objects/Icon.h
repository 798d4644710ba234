#pragma once

#include "platform/gdi/objects/Bitmap.h"

#include <cstdint>
#include <vector>

namespace gdi {

// An image with its own transparency: 0xAABBGGRR pixels, alpha in the high byte.
class Icon {
public:
    Icon() = default;
    Icon(int width, int height); // fully transparent

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    std::uint32_t pixel(int x, int y) const { return argb_[index(x, y)]; }
    void setPixel(int x, int y, std::uint32_t argb) { argb_[index(x, y)] = argb; }
    static int alphaOf(std::uint32_t argb) { return static_cast<int>(argb >> 24); }

    // The icon blended at its natural size over white: the image state drawing works on.
    Bitmap onWhite() const;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> argb_;
};

} // namespace gdi
