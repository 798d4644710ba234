#pragma once

#include <cstdint>

namespace gdi {

class DeviceContext;

using RasterOp = std::uint32_t;

inline constexpr RasterOp SRCCOPY = 0x00CC0020;    // D = S
inline constexpr RasterOp NOTSRCCOPY = 0x00330008; // D = ~S
inline constexpr RasterOp SRCAND = 0x008800C6;     // D = S & D
inline constexpr RasterOp SRCINVERT = 0x00660046;  // D = S ^ D

// Colour to one-bit: a pixel equal to the source context's background colour
// becomes 1. One-bit to colour: 1 becomes the destination context's background
// colour, 0 its text colour. Both return false (and draw nothing) for an
// unsupported raster operation or a context without a bitmap.
bool BitBlt(DeviceContext& dst, int x, int y, int width, int height, const DeviceContext& src,
            int srcX, int srcY, RasterOp rop);

// Scales each axis on its own: enlarging repeats source pixels, shrinking ANDs
// the source pixels that fall on one destination pixel (the default stretch mode).
bool StretchBlt(DeviceContext& dst, int x, int y, int width, int height, const DeviceContext& src,
                int srcX, int srcY, int srcWidth, int srcHeight, RasterOp rop);

} // namespace gdi
