#include "anybutton/styles/RoundedPainter.h"

#include "anybutton/painting/ColorMath.h"
#include "anybutton/painting/PaintPrimitives.h"
#include "platform/gdi/Drawing.h"

#include <cmath>

namespace anybutton {

namespace {

constexpr OleColor kDarkShadow = sysColorRef(gdi::COLOR_3DDKSHADOW);

struct Edge {
    int amount;
    int x1, y1, x2, y2;
};

// An edge line and its shade. Coordinates at or above zero are absolute;
// R(n) stands for W - n as an x and H - n as a y (R(0) is not needed).
constexpr int R(int n) {
    return -n;
}

template <std::size_t N>
void drawEdges(PaintContext& ctx, OleColor base, const Edge (&edges)[N], int w, int h) {
    auto at = [](int v, int size) { return v < 0 ? size + v : v; };
    for (const Edge& e : edges)
        DrawLine(ctx, at(e.x1, w), at(e.y1, h), at(e.x2, w), at(e.y2, h),
                 static_cast<gdi::COLORREF>(ShadeColor(base, e.amount)));
}

void cornerPixels(PaintContext& ctx, int w, int h, gdi::COLORREF c) {
    gdi::SetPixelV(ctx.dc, 1, 1, c);
    gdi::SetPixelV(ctx.dc, 1, h - 2, c);
    gdi::SetPixelV(ctx.dc, w - 2, 1, c);
    gdi::SetPixelV(ctx.dc, w - 2, h - 2, c);
}

void darkFrame(PaintContext& ctx, int w, int h) {
    DrawRect(ctx.dc, 0, 0, w, h, kDarkShadow, 0);
    cornerPixels(ctx, w, h, ResolveColor(kDarkShadow, ctx.dc.systemColors()));
}

// The shade of gradient row n: the nearest integer to -step * n in single
// precision, halves to even.
int gradientAmount(float step, int n) {
    return static_cast<int>(std::nearbyint(-step * static_cast<float>(n)));
}

} // namespace

void PaintRoundedFace(PaintContext& ctx, std::uint8_t state, std::uint8_t hoverRing) {
    ButtonState& s = ctx.state;
    const gdi::SystemColors& sys = ctx.dc.systemColors();
    const int w = s.g_Width, h = s.g_Height;

    DrawRect(ctx.dc, 0, 0, w, h, s.g_BackColor, 1);

    if (!s.surfaceEnabled) {
        const OleColor t = ShadeColor(static_cast<OleColor>(ResolveColor(s.g_BackColor, sys)), 48);
        DrawRect(ctx.dc, 0, 0, w, h, ShadeColor(t, -24), 1);
        DrawRect(ctx.dc, 0, 0, w, h, ShadeColor(t, -84), 0);
        cornerPixels(ctx, w, h, static_cast<gdi::COLORREF>(ShadeColor(t, -72)));
        return;
    }

    const OleColor focus =
        s.g_XPDefaultColors ? static_cast<OleColor>(gdi::RGB(140, 170, 230)) : s.g_XPColor_Pressed;
    const OleColor hover =
        s.g_XPDefaultColors ? static_cast<OleColor>(gdi::RGB(225, 153, 71)) : s.g_XPColor_Hover;

    if (state == 0) {
        const OleColor base =
            ShadeColor(static_cast<OleColor>(ResolveColor(s.g_BackColor, sys)), 48);
        const float step = 25.0f / static_cast<float>(h);
        for (int y = 1; y <= h; ++y)
            DrawLine(ctx, 0, y, w, y,
                     static_cast<gdi::COLORREF>(ShadeColor(base, gradientAmount(step, y))));
        darkFrame(ctx, w, h);

        if (s.g_HasFocus == 1) {
            DrawRect(ctx.dc, 1, 2, w - 1, h - 2, focus, 0);
            static const Edge ring[] = {{-33, 2, R(2), R(2), R(2)},
                                        {65, 2, 1, R(2), 1},
                                        {50, 1, 2, R(1), 2},
                                        {31, 2, 3, 2, R(3)},
                                        {31, R(3), 3, R(3), R(3)}};
            drawEdges(ctx, static_cast<OleColor>(ResolveColor(focus, sys)), ring, w, h);
        } else {
            static const Edge idle[] = {{-48, 2, R(2), R(2), R(2)}, {-32, 1, R(3), R(2), R(3)},
                                        {-36, R(2), 2, R(2), R(2)}, {-24, R(3), 3, R(3), R(3)},
                                        {16, 2, 1, R(2), 1},        {10, 1, 2, R(2), 2},
                                        {-5, 1, 2, 1, R(2)},        {-10, 2, 3, 2, R(3)}};
            drawEdges(ctx, base, idle, w, h);
        }

        if (hoverRing == 1) {
            DrawRect(ctx.dc, 1, 2, w - 1, h - 2, hover, 0);
            static const Edge ring[] = {{-40, 2, R(2), R(2), R(2)},
                                        {90, 2, 1, R(2), 1},
                                        {35, 1, 2, R(1), 2},
                                        {20, 2, 3, 2, R(3)},
                                        {20, R(3), 3, R(3), R(3)}};
            drawEdges(ctx, static_cast<OleColor>(ResolveColor(hover, sys)), ring, w, h);
        }
    } else if (state == 2) {
        const OleColor base = ShadeColor(
            ShadeColor(static_cast<OleColor>(ResolveColor(s.g_BackColor, sys)), 48), -32);
        const float step = 15.0f / static_cast<float>(h);
        for (int i = 1; i <= h; ++i)
            DrawLine(ctx, 0, h - i, w, h - i,
                     static_cast<gdi::COLORREF>(ShadeColor(base, gradientAmount(step, i))));
        darkFrame(ctx, w, h);
        static const Edge pressed[] = {{16, 2, R(2), R(2), R(2)}, {10, 1, R(3), R(2), R(3)},
                                       {5, R(2), 2, R(2), R(2)},  {0, R(3), 3, R(3), R(3)},
                                       {-32, 2, 1, R(2), 1},      {-24, 1, 2, R(2), 2},
                                       {-32, 1, 2, 1, R(2)},      {-22, 2, 2, 2, R(2)}};
        drawEdges(ctx, base, pressed, w, h);
    }
}

gdi::Region BuildRoundedRegion(const ButtonState& s) {
    const int w = s.g_Width, h = s.g_Height;
    gdi::Region region = gdi::CreateRectRgn(0, 0, w, h);
    const gdi::Rect corners[] = {
        {0, 0, 2, 1}, {0, h - 1, 2, h},     {w - 2, 0, w, 1}, {w - 2, h - 1, w, h},
        {0, 1, 1, 2}, {0, h - 2, 1, h - 1}, {w - 1, 1, w, 2}, {w - 1, h - 2, w, h - 1}};
    for (const gdi::Rect& r : corners) {
        const gdi::Region small = gdi::CreateRectRgn(r.left, r.top, r.right, r.bottom);
        gdi::CombineRgn(region, region, small, gdi::RGN_DIFF);
    }
    return region;
}

} // namespace anybutton
