#pragma once

#include "anybutton/painting/PaintLook.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/objects/DeviceContext.h"

namespace anybutton {

// The caption's text parameters: record size 20, tab length 1, one-pixel
// left and right margins.
gdi::DrawTextParams CaptionTextParams();

// Lays out picture and caption in the content rectangle (4 pixels in from each
// edge). A rectangle the layout does not set keeps its place in previous: the
// picture's when there is no picture or its position is out of range, the
// caption's when there is no caption.
ContentRects LayoutContent(const PaintLook& look, gdi::DeviceContext& dc,
                           const ContentRects& previous);

// The caption measured wrapped at the content width and centred on the
// content rectangle.
gdi::Rect MeasureCaption(const PaintLook& look, gdi::DeviceContext& dc, const gdi::Rect& content);

// The current picture at its place: risen 3 pixels over a grey shadow when
// an XP button is hovered, 1 pixel right and down when pressed (not XP),
// embossed when disabled. Only bitmaps and icons are drawn.
void DrawPicture(const PaintLook& look, gdi::DeviceContext& dc, const gdi::Rect& place);

// The caption at its place without filling behind it; pressed (not XP) one
// pixel right and down; disabled in highlight one pixel right and down, then
// in shadow in place.
void DrawCaption(const PaintLook& look, gdi::DeviceContext& dc, const gdi::Rect& place);

// The part of the container's picture under the button, copied unscaled to the
// back image; nothing when the container has no bitmap picture.
void CopyParentBackground(const PaintLook& look, gdi::DeviceContext& dc);

} // namespace anybutton
