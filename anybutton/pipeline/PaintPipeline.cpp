#include "anybutton/pipeline/PaintPipeline.h"

#include "anybutton/content/ContentPainters.h"
#include "anybutton/painting/ColorMath.h"
#include "anybutton/painting/PaintPrimitives.h"
#include "anybutton/styles/FramePainters.h"
#include "anybutton/styles/RoundedPainter.h"
#include "anybutton/styles/XpPainter.h"
#include "platform/gdi/Drawing.h"

#include <cmath>

namespace anybutton {

namespace {

int roundHalfEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// The bevel painters take the surface's background colour as the border is drawn.
gdi::COLORREF faceOf(const gdi::DeviceContext& dc, OleColor surfaceBack) {
    return ResolveColor(surfaceBack, dc.systemColors());
}

void raisedBorder(const PaintLook& look, gdi::DeviceContext& dc, OleColor surfaceBack) {
    if (look.bevel < 2)
        DrawThinRaisedFrame(look, dc);
    else
        DrawRaisedBevel(look, dc, faceOf(dc, surfaceBack), look.bevel, look.bevelDepth);
}

void sunkenBorder(const PaintLook& look, gdi::DeviceContext& dc, OleColor surfaceBack) {
    if (look.bevel < 2)
        DrawThinSunkenFrame(look, dc);
    else
        DrawSunkenBevel(look, dc, faceOf(dc, surfaceBack), look.bevel, look.bevelDepth);
}

void runTimeBorder(const PaintLook& look, gdi::DeviceContext& dc, OleColor surfaceBack) {
    switch (look.style) {
    case Style::XP:
        if (look.over || look.xpBorderAlways)
            PaintXPBorder(look, dc);
        return;
    case Style::Rounded:
        if (look.pressed)
            PaintRoundedFace(look, dc, RoundedState::Pressed, HoverRing::Off);
        else if (look.over)
            PaintRoundedFace(look, dc, RoundedState::Idle, HoverRing::On);
        else
            PaintRoundedFace(look, dc, RoundedState::Idle, HoverRing::Off);
        return;
    default:
        break;
    }
    // Standard, flat and out-of-range styles.
    if (look.pressed)
        sunkenBorder(look, dc, surfaceBack);
    else if (look.over || look.style == Style::Standard)
        raisedBorder(look, dc, surfaceBack);

    if (look.isDefault || (look.focused && look.style == Style::Standard && !look.pressed))
        DrawDefaultFrame(look, dc, faceOf(dc, surfaceBack));
}

} // namespace

OleColor PaintBackground(const PaintLook& look, gdi::DeviceContext& dc, OleColor surfaceBack) {
    switch (look.style) {
    case Style::Rounded:
        return surfaceBack;
    case Style::XP:
        if (look.pressed || !look.transparentBG)
            surfaceBack = SetSurfaceBackColor(dc, look.backValue);
        else
            CopyParentBackground(look, dc);
        if (const auto tint = XPFaceTint(look))
            surfaceBack = SetSurfaceBackColor(dc, *tint);
        return surfaceBack;
    default:
        if (look.transparentBG)
            CopyParentBackground(look, dc);
        return surfaceBack;
    }
}

OleColor PaintBorder(const PaintLook& look, gdi::DeviceContext& dc, OleColor surfaceBack) {
    if (look.userMode) {
        runTimeBorder(look, dc, surfaceBack);
        return surfaceBack;
    }
    switch (look.style) {
    case Style::Rounded:
        PaintRoundedFace(look, dc, RoundedState::Idle, HoverRing::Off);
        return surfaceBack;
    case Style::XP:
        return PaintBackground(look, dc, surfaceBack);
    default:
        raisedBorder(look, dc, surfaceBack);
        return surfaceBack;
    }
}

PaintResult Refresh(const PaintLook& look, const ContentRects& previous, gdi::DeviceContext& dc) {
    Cls(dc, look.surfaceBack);
    OleColor surfaceBack = PaintBackground(look, dc, look.surfaceBack);
    if (look.style != Style::NoBorder)
        surfaceBack = PaintBorder(look, dc, surfaceBack);
    const ContentRects layout = LayoutContent(look, dc, previous);
    DrawPicture(look, dc, layout.picture);
    if (look.focused && look.showFocusRect && look.style != Style::Rounded)
        gdi::DrawFocusRect(dc, look.focusRect);
    DrawCaption(look, dc, layout.caption);
    return {surfaceBack, layout};
}

void ComputeMetrics(ButtonState& s) {
    s.g_Width = roundHalfEven(s.clientWidth);
    s.g_Height = roundHalfEven(s.clientHeight);
    s.g_FocusRect =
        gdi::Rect{4, 4, roundHalfEven(s.clientWidth - 4), roundHalfEven(s.clientHeight - 4)};
}

} // namespace anybutton
