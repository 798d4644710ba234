#pragma once

#include "anybutton/painting/PaintContext.h"

#include <cstdint>

namespace anybutton {

// Standard and flat styles: two-colour one-pixel frames and deep bevels.
void DrawThinRaisedFrame(PaintContext& ctx);
void DrawThinSunkenFrame(PaintContext& ctx);

// Face colour c (RGB), bevel count b, depth d; b + 1 rings and edges, each one
// step of d further from the face. Nothing for a negative b.
void DrawRaisedBevel(PaintContext& ctx, gdi::COLORREF c, std::int16_t b, std::int16_t d);
void DrawSunkenBevel(PaintContext& ctx, gdi::COLORREF c, std::int16_t b, std::int16_t d);

// The extra frame of a default (or focused standard) button.
void DrawDefaultFrame(PaintContext& ctx);

} // namespace anybutton
