#pragma once

#include "anybutton/painting/PaintLook.h"
#include "platform/gdi/objects/DeviceContext.h"

#include <cstdint>

namespace anybutton {

// Standard and flat styles: two-colour one-pixel frames and deep bevels.
void DrawThinRaisedFrame(const PaintLook& look, gdi::DeviceContext& dc);
void DrawThinSunkenFrame(const PaintLook& look, gdi::DeviceContext& dc);

// Face colour c (RGB), bevel count b, depth d; b + 1 rings and edges, each one
// step of d further from the face. Nothing for a negative b.
void DrawRaisedBevel(const PaintLook& look, gdi::DeviceContext& dc, gdi::COLORREF c, std::int16_t b,
                     std::int16_t d);
void DrawSunkenBevel(const PaintLook& look, gdi::DeviceContext& dc, gdi::COLORREF c, std::int16_t b,
                     std::int16_t d);

// The extra frame of a default (or focused standard) button; face is the
// surface's background colour, resolved, as the border is drawn.
void DrawDefaultFrame(const PaintLook& look, gdi::DeviceContext& dc, gdi::COLORREF face);

} // namespace anybutton
