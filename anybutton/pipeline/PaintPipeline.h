#pragma once

#include "anybutton/painting/PaintLook.h"
#include "platform/gdi/objects/DeviceContext.h"

namespace anybutton {

// What a refresh leaves behind: the surface's background colour (the XP face
// sets it while painting, and the next refresh clears to it) and the layout.
struct PaintResult {
    OleColor surfaceBackColor = 0;
    ContentRects layout;
};

// Rebuilds the whole back image in layers: clear, background, border or face,
// content, focus rectangle, caption. dc must hold a client-sized bitmap;
// previous is the layout of the refresh before.
PaintResult Refresh(const PaintLook& look, const ContentRects& previous, gdi::DeviceContext& dc);

// The background and the border layers, given the surface's background colour
// as they start; each returns the colour it leaves the surface with.
OleColor PaintBackground(const PaintLook& look, gdi::DeviceContext& dc, OleColor surfaceBack);
OleColor PaintBorder(const PaintLook& look, gdi::DeviceContext& dc, OleColor surfaceBack);

// Steps of the resize handler that only compute: g_Width, g_Height and
// g_FocusRect from the client size, rounded halves to even.
void ComputeMetrics(ButtonState& s);

} // namespace anybutton
