#include "anybutton/styles/FramePainters.h"

#include "anybutton/painting/ColorMath.h"
#include "anybutton/painting/PaintPrimitives.h"

namespace anybutton {

namespace {
constexpr OleColor kShadow = sysColorRef(gdi::COLOR_BTNSHADOW);
constexpr OleColor kHighlight = sysColorRef(gdi::COLOR_BTNHIGHLIGHT);

// Frames (0, 0, W, H) in `inner` and (0, 0, W + 1, H + 1) in `outer`: the second
// frame's right and bottom sides fall outside, leaving a two-colour edge.
void twoColourFrame(PaintContext& ctx, OleColor first, OleColor second) {
    const int w = ClientW(ctx.state), h = ClientH(ctx.state);
    DrawRect(ctx.dc, 0, 0, w, h, first, 0);
    DrawRect(ctx.dc, 0, 0, w + 1, h + 1, second, 0);
}
} // namespace

void DrawThinRaisedFrame(PaintContext& ctx) {
    twoColourFrame(ctx, kShadow, kHighlight);
}

void DrawThinSunkenFrame(PaintContext& ctx) {
    twoColourFrame(ctx, kHighlight, kShadow);
}

void DrawRaisedBevel(PaintContext& ctx, gdi::COLORREF c, std::int16_t b, std::int16_t d) {
    const int w = ClientW(ctx.state), h = ClientH(ctx.state);
    OleColor s = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        s = ShadeColor(s, -d);
        DrawRect(ctx.dc, n, n, w - n, h - n, s, 0);
    }
    OleColor t = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        t = static_cast<OleColor>(LiftColor(t, d));
        DrawLine(ctx, n, n, w - n - 1, n, static_cast<gdi::COLORREF>(t));
        DrawLine(ctx, n, n, n, h - n - 1, static_cast<gdi::COLORREF>(t));
    }
}

void DrawSunkenBevel(PaintContext& ctx, gdi::COLORREF c, std::int16_t b, std::int16_t d) {
    const int w = ClientW(ctx.state), h = ClientH(ctx.state);
    OleColor s = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        s = static_cast<OleColor>(LiftColor(s, d));
        DrawRect(ctx.dc, n, n, w - n, h - n, s, 0);
    }
    OleColor t = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        t = ShadeColor(t, -d);
        DrawLine(ctx, n, n, w - n - 1, n, static_cast<gdi::COLORREF>(t));
        DrawLine(ctx, n, n, n, h - n - 1, static_cast<gdi::COLORREF>(t));
    }
}

void DrawDefaultFrame(PaintContext& ctx) {
    ButtonState& s = ctx.state;
    if (s.g_Bevel >= 2) {
        // The depth is a 16-bit copy; it wraps like one.
        const auto depth = static_cast<std::int16_t>(s.g_BevelDepth + 3);
        DrawRaisedBevel(ctx, ResolveColor(s.surfaceBackColor, ctx.dc.systemColors()), s.g_Bevel,
                        depth);
        return;
    }
    const int w = ClientW(s), h = ClientH(s);
    DrawRect(ctx.dc, 0, 0, w - 1, h - 1, kShadow, 0);
    DrawRect(ctx.dc, 0, 0, w + 1, h + 1, kHighlight, 0);
}

} // namespace anybutton
