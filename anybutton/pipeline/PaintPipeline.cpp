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

void raisedBorder(PaintContext& ctx) {
    const ButtonState& s = ctx.state;
    if (s.g_Bevel < 2)
        DrawThinRaisedFrame(ctx);
    else
        DrawRaisedBevel(ctx, ResolveColor(s.surfaceBackColor, ctx.dc.systemColors()), s.g_Bevel,
                        s.g_BevelDepth);
}

void sunkenBorder(PaintContext& ctx) {
    const ButtonState& s = ctx.state;
    if (s.g_Bevel < 2)
        DrawThinSunkenFrame(ctx);
    else
        DrawSunkenBevel(ctx, ResolveColor(s.surfaceBackColor, ctx.dc.systemColors()), s.g_Bevel,
                        s.g_BevelDepth);
}

void runTimeBorder(PaintContext& ctx) {
    const ButtonState& s = ctx.state;
    switch (s.g_ButtonStyle) {
    case ButtonStyleXP:
        if (s.g_IsOver != 0 || s.g_XPShowBorderAlways)
            PaintXPBorder(ctx);
        return;
    case ButtonStyleRounded:
        if (s.g_IsPressed == 1)
            PaintRoundedFace(ctx, RoundedState::Pressed, HoverRing::Off);
        else if (s.g_IsOver == 1)
            PaintRoundedFace(ctx, RoundedState::Idle, HoverRing::On);
        else
            PaintRoundedFace(ctx, RoundedState::Idle, HoverRing::Off);
        return;
    default:
        break;
    }
    // Standard, flat and out-of-range styles.
    if (s.g_IsPressed == 1)
        sunkenBorder(ctx);
    else if (s.g_IsOver == 1 || s.g_ButtonStyle == ButtonStyleStandard)
        raisedBorder(ctx);

    if (ctx.container.extenderDefault() ||
        (s.g_HasFocus == 1 && s.g_ButtonStyle == ButtonStyleStandard && s.g_IsPressed == 0))
        DrawDefaultFrame(ctx);
}

} // namespace

void PaintBackground(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    if (s.g_ButtonStyle == ButtonStyleRounded)
        return;
    if (s.g_ButtonStyle == ButtonStyleXP) {
        if (s.g_IsPressed != 0 || !s.g_TransparentBG)
            SetSurfaceBackColor(ctx, s.g_BackColor);
        else
            CopyParentBackground(ctx);
        PaintXPFaceTint(ctx);
        return;
    }
    if (s.g_TransparentBG)
        CopyParentBackground(ctx);
}

void PaintBorder(PaintContext& ctx) {
    if (ctx.container.userMode()) {
        runTimeBorder(ctx);
        return;
    }
    switch (ctx.state.g_ButtonStyle) {
    case ButtonStyleRounded:
        PaintRoundedFace(ctx, RoundedState::Idle, HoverRing::Off);
        break;
    case ButtonStyleXP:
        PaintBackground(ctx);
        break;
    default:
        raisedBorder(ctx);
        break;
    }
}

void Refresh(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    Cls(ctx);
    PaintBackground(ctx);
    if (s.g_ButtonStyle != ButtonStyleNoBorder)
        PaintBorder(ctx);
    LayoutContent(ctx);
    DrawPicture(ctx);
    if (s.g_HasFocus == 1 && s.g_ShowFocusRect && s.g_ButtonStyle != ButtonStyleRounded)
        gdi::DrawFocusRect(ctx.dc, s.g_FocusRect);
    DrawCaption(ctx);
}

void ComputeMetrics(ButtonState& s) {
    s.g_Width = roundHalfEven(s.clientWidth);
    s.g_Height = roundHalfEven(s.clientHeight);
    s.g_FocusRect =
        gdi::Rect{4, 4, roundHalfEven(s.clientWidth - 4), roundHalfEven(s.clientHeight - 4)};
}

} // namespace anybutton
