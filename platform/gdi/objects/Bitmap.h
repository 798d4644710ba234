#pragma once

#include "platform/gdi/objects/Color.h"

#include <cstdint>
#include <vector>

namespace gdi {

enum class BitmapFormat { Color, Mono };

// A pixel buffer. Colour pixels are 0x00BBGGRR. One-bit pixels are stored
// widened to 0x00FFFFFF (bit 1) or 0 (bit 0), so raster operations are the
// same bitwise operations in both formats.
class Bitmap {
public:
    static constexpr COLORREF kMonoOne = 0x00FFFFFF;

    Bitmap() = default;
    // Non-positive sizes give an empty bitmap. Colour starts black, one-bit starts 0.
    Bitmap(int width, int height, BitmapFormat format = BitmapFormat::Color);

    int width() const { return width_; }
    int height() const { return height_; }
    BitmapFormat format() const { return format_; }
    bool isMono() const { return format_ == BitmapFormat::Mono; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Unchecked; callers clip.
    COLORREF pixel(int x, int y) const { return pixels_[index(x, y)]; }
    void setPixel(int x, int y, COLORREF c) { pixels_[index(x, y)] = c; }
    // Bit of a one-bit bitmap (any non-zero pixel counts as 1).
    bool bit(int x, int y) const { return pixels_[index(x, y)] != 0; }

    COLORREF* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const COLORREF* row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }

    // Every pixel becomes toNative(c).
    void fill(COLORREF c);

    // The pixel a colour becomes in this bitmap: the colour's 24 bits, or for a
    // one-bit bitmap 1 when the colour lies nearer white than black.
    COLORREF toNative(COLORREF rgb) const;

    friend bool operator==(const Bitmap& a, const Bitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.format_ == b.format_ &&
               a.pixels_ == b.pixels_;
    }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    BitmapFormat format_ = BitmapFormat::Color;
    std::vector<COLORREF> pixels_;
};

} // namespace gdi
