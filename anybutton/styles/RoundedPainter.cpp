#include "anybutton/styles/RoundedPainter.h"

#include "anybutton/painting/ColorMath.h"
#include "anybutton/painting/PaintPrimitives.h"
#include "platform/gdi/Drawing.h"

#include <cmath>

namespace anybutton {

namespace {

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
void drawEdges(gdi::DeviceContext& dc, OleColor base, const Edge (&edges)[N], int w, int h) {
    auto at = [](int v, int size) { return v < 0 ? size + v : v; };
    for (const Edge& e : edges)
        DrawLine(dc, at(e.x1, w), at(e.y1, h), at(e.x2, w), at(e.y2, h),
                 static_cast<gdi::COLORREF>(ShadeColor(base, e.amount)));
}

void cornerPixels(gdi::DeviceContext& dc, int w, int h, gdi::COLORREF c) {
    gdi::SetPixelV(dc, 1, 1, c);
    gdi::SetPixelV(dc, 1, h - 2, c);
    gdi::SetPixelV(dc, w - 2, 1, c);
    gdi::SetPixelV(dc, w - 2, h - 2, c);
}

void darkFrame(gdi::DeviceContext& dc, int w, int h, gdi::COLORREF darkShadow) {
    DrawRect(dc, 0, 0, w, h, static_cast<OleColor>(darkShadow), 0);
    cornerPixels(dc, w, h, darkShadow);
}

// The shade of gradient row n: the nearest integer to -step * n in single
// precision, halves to even.
int gradientAmount(float step, int n) {
    return static_cast<int>(std::nearbyint(-step * static_cast<float>(n)));
}

} // namespace

void PaintRoundedFace(const PaintLook& look, gdi::DeviceContext& dc, std::uint8_t state,
                      std::uint8_t hoverRing) {
    const int w = look.width, h = look.height;
    const auto back = static_cast<OleColor>(look.back);

    DrawRect(dc, 0, 0, w, h, back, 1);

    if (!look.enabled) {
        const OleColor t = ShadeColor(back, 48);
        DrawRect(dc, 0, 0, w, h, ShadeColor(t, -24), 1);
        DrawRect(dc, 0, 0, w, h, ShadeColor(t, -84), 0);
        cornerPixels(dc, w, h, static_cast<gdi::COLORREF>(ShadeColor(t, -72)));
        return;
    }

    if (state == 0) {
        const OleColor base = ShadeColor(back, 48);
        const float step = 25.0f / static_cast<float>(h);
        for (int y = 1; y <= h; ++y)
            DrawLine(dc, 0, y, w, y,
                     static_cast<gdi::COLORREF>(ShadeColor(base, gradientAmount(step, y))));
        darkFrame(dc, w, h, look.darkShadow);

        if (look.focused) {
            DrawRect(dc, 1, 2, w - 1, h - 2, static_cast<OleColor>(look.focusRing), 0);
            static const Edge ring[] = {{-33, 2, R(2), R(2), R(2)},
                                        {65, 2, 1, R(2), 1},
                                        {50, 1, 2, R(1), 2},
                                        {31, 2, 3, 2, R(3)},
                                        {31, R(3), 3, R(3), R(3)}};
            drawEdges(dc, static_cast<OleColor>(look.focusRing), ring, w, h);
        } else {
            static const Edge idle[] = {{-48, 2, R(2), R(2), R(2)}, {-32, 1, R(3), R(2), R(3)},
                                        {-36, R(2), 2, R(2), R(2)}, {-24, R(3), 3, R(3), R(3)},
                                        {16, 2, 1, R(2), 1},        {10, 1, 2, R(2), 2},
                                        {-5, 1, 2, 1, R(2)},        {-10, 2, 3, 2, R(3)}};
            drawEdges(dc, base, idle, w, h);
        }

        if (hoverRing == 1) {
            DrawRect(dc, 1, 2, w - 1, h - 2, static_cast<OleColor>(look.hoverRing), 0);
            static const Edge ring[] = {{-40, 2, R(2), R(2), R(2)},
                                        {90, 2, 1, R(2), 1},
                                        {35, 1, 2, R(1), 2},
                                        {20, 2, 3, 2, R(3)},
                                        {20, R(3), 3, R(3), R(3)}};
            drawEdges(dc, static_cast<OleColor>(look.hoverRing), ring, w, h);
        }
    } else if (state == 2) {
        const OleColor base = ShadeColor(ShadeColor(back, 48), -32);
        const float step = 15.0f / static_cast<float>(h);
        for (int i = 1; i <= h; ++i)
            DrawLine(dc, 0, h - i, w, h - i,
                     static_cast<gdi::COLORREF>(ShadeColor(base, gradientAmount(step, i))));
        darkFrame(dc, w, h, look.darkShadow);
        static const Edge pressed[] = {{16, 2, R(2), R(2), R(2)}, {10, 1, R(3), R(2), R(3)},
                                       {5, R(2), 2, R(2), R(2)},  {0, R(3), 3, R(3), R(3)},
                                       {-32, 2, 1, R(2), 1},      {-24, 1, 2, R(2), 2},
                                       {-32, 1, 2, 1, R(2)},      {-22, 2, 2, 2, R(2)}};
        drawEdges(dc, base, pressed, w, h);
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
