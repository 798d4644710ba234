#pragma once

#include "anybutton/painting/PaintLook.h"
#include "platform/gdi/objects/DeviceContext.h"

#include <cstdint>

namespace anybutton {

// Copies the source rectangle (x1, y1)-(x2, y2) of src to dst at (dx, dy),
// leaving dst alone wherever the source pixel equals key. key is compared raw:
// a system-colour reference matches no pixel. Sizes are 16-bit, so a rectangle
// wider or taller than 32767 pixels copies nothing. ref supplies the format of
// the scratch bitmaps (the destination in every caller).
void TransparentBlit(gdi::DeviceContext& dst, const gdi::DeviceContext& ref,
                     gdi::DeviceContext& src, int x1, int y1, int x2, int y2, int dx, int dy,
                     OleColor key);

// The current picture as a bitmap at the rectangle's left and top, scaled from
// its natural size to the drawing size. color non-zero: in colour, MaskColor
// keyed out. color zero: embossed, or with shadow exactly 1 a grey silhouette.
void DrawBitmapPicture(const PaintLook& look, gdi::DeviceContext& dc, std::uint8_t color,
                       const gdi::Rect& where, std::uint8_t shadow);

// The same for an icon; in colour its own transparency applies.
void DrawIconPicture(const PaintLook& look, gdi::DeviceContext& dc, std::uint8_t color,
                     const gdi::Rect& where, std::uint8_t shadow);

} // namespace anybutton
