#pragma once

#include "platform/gdi/objects/Brush.h"
#include "platform/gdi/objects/Color.h"
#include "platform/gdi/objects/Rect.h"

namespace gdi {

class DeviceContext;

// Every call clips to the selected bitmap and does nothing without one.

// Columns left..right-1, rows top..bottom-1.
void FillRect(DeviceContext& dc, const Rect& rect, const Brush& brush);

// Columns left and right-1, rows top and bottom-1 of the rectangle.
void FrameRect(DeviceContext& dc, const Rect& rect, const Brush& brush);

// Returns the previous current position.
Point MoveToEx(DeviceContext& dc, int x, int y);

// One-pixel line in the selected pen from the current position: start pixel
// drawn, end pixel not; the current position becomes (x, y).
void LineTo(DeviceContext& dc, int x, int y);

void SetPixelV(DeviceContext& dc, int x, int y, COLORREF color);

// Inverts every other pixel of the rectangle's border; drawing it twice restores the image.
void DrawFocusRect(DeviceContext& dc, const Rect& rect);

} // namespace gdi
