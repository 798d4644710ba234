#pragma once

#include <QRect>

namespace core {

// Window and control geometry outside the button control is in twips: 1/1440
// inch, 15 to the pixel at 96 dpi (Qt scales logical pixels for HiDPI).
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A design rectangle in twips (left, top, width, height) in pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace core
