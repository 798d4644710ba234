#pragma once

#include "anybutton/properties/ButtonState.h"
#include "platform/gdi/objects/Color.h"
#include "platform/gdi/objects/DeviceContext.h"

#include <cstdint>

namespace anybutton {

// A one-pixel line in an RGB colour, end point excluded; the pen stays selected.
void DrawLine(gdi::DeviceContext& dc, int x1, int y1, int x2, int y2, gdi::COLORREF color);

// Fills (fill exactly 1) or frames the rectangle in the resolved colour.
void DrawRect(gdi::DeviceContext& target, int l, int t, int r, int b, OleColor color,
              std::uint8_t fill);

// Clears the back image to the surface's background colour.
void Cls(gdi::DeviceContext& dc, OleColor surfaceBack);

// Gives the surface a new background colour, which repaints the whole back
// image in it; returns the colour, the surface's from now on.
OleColor SetSurfaceBackColor(gdi::DeviceContext& dc, OleColor color);

} // namespace anybutton
