#pragma once

#include "anybutton/painting/PaintContext.h"

#include <cstdint>

namespace anybutton {

// A one-pixel line in an RGB colour, end point excluded; the pen stays selected.
void DrawLine(PaintContext& ctx, int x1, int y1, int x2, int y2, gdi::COLORREF color);

// Fills (fill exactly 1) or frames the rectangle in the resolved colour.
void DrawRect(gdi::DeviceContext& target, int l, int t, int r, int b, OleColor color,
              std::uint8_t fill);

// The surface's background colour: storing it repaints the whole back image.
void SetSurfaceBackColor(PaintContext& ctx, OleColor color);

// Clears the back image to the surface's current background colour.
void Cls(PaintContext& ctx);

// Client size rounded to whole pixels, as the frame painters measure it.
int ClientW(const ButtonState& s);
int ClientH(const ButtonState& s);

} // namespace anybutton
