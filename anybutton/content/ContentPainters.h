#pragma once

#include "anybutton/painting/PaintContext.h"

namespace anybutton {

// Lays out picture and caption in the content rectangle (4 pixels in from each
// edge): g_ClientRect, g_ContentRect, g_PictureRect, g_CaptionRect.
void LayoutContent(PaintContext& ctx);

// Measures the caption wrapped at the width of g_CaptionRect (which holds the
// content rectangle) and centres g_CaptionRect on the content rectangle.
void MeasureCaption(PaintContext& ctx);

// The current picture at g_PictureRect: risen 3 pixels over a grey shadow when
// an XP button is hovered, 1 pixel right and down when pressed (not XP),
// embossed when disabled. Only bitmaps and icons are drawn.
void DrawPicture(PaintContext& ctx);

// The caption at g_CaptionRect without filling behind it; pressed (not XP) one
// pixel right and down; disabled in highlight one pixel right and down, then in
// shadow in place.
void DrawCaption(PaintContext& ctx);

// The part of the container's picture under the button, copied unscaled to the
// back image; nothing when the container has no bitmap picture.
void CopyParentBackground(PaintContext& ctx);

} // namespace anybutton
