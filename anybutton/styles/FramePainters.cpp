#include "anybutton/styles/FramePainters.h"

#include "anybutton/painting/ColorMath.h"
#include "anybutton/painting/PaintPrimitives.h"

namespace anybutton {

namespace {
// Frames (0, 0, W, H) in `first` and (0, 0, W + 1, H + 1) in `second`: the second
// frame's right and bottom sides fall outside, leaving a two-colour edge.
void twoColourFrame(const PaintLook& look, gdi::DeviceContext& dc, gdi::COLORREF first,
                    gdi::COLORREF second) {
    const int w = look.clientW, h = look.clientH;
    DrawRect(dc, 0, 0, w, h, static_cast<OleColor>(first), 0);
    DrawRect(dc, 0, 0, w + 1, h + 1, static_cast<OleColor>(second), 0);
}
} // namespace

void DrawThinRaisedFrame(const PaintLook& look, gdi::DeviceContext& dc) {
    twoColourFrame(look, dc, look.shadow, look.buttonHighlight);
}

void DrawThinSunkenFrame(const PaintLook& look, gdi::DeviceContext& dc) {
    twoColourFrame(look, dc, look.buttonHighlight, look.shadow);
}

void DrawRaisedBevel(const PaintLook& look, gdi::DeviceContext& dc, gdi::COLORREF c, std::int16_t b,
                     std::int16_t d) {
    const int w = look.clientW, h = look.clientH;
    OleColor s = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        s = ShadeColor(s, -d);
        DrawRect(dc, n, n, w - n, h - n, s, 0);
    }
    OleColor t = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        t = static_cast<OleColor>(LiftColor(t, d));
        DrawLine(dc, n, n, w - n - 1, n, static_cast<gdi::COLORREF>(t));
        DrawLine(dc, n, n, n, h - n - 1, static_cast<gdi::COLORREF>(t));
    }
}

void DrawSunkenBevel(const PaintLook& look, gdi::DeviceContext& dc, gdi::COLORREF c, std::int16_t b,
                     std::int16_t d) {
    const int w = look.clientW, h = look.clientH;
    OleColor s = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        s = static_cast<OleColor>(LiftColor(s, d));
        DrawRect(dc, n, n, w - n, h - n, s, 0);
    }
    OleColor t = static_cast<OleColor>(c);
    for (int n = b; n >= 0; --n) {
        t = ShadeColor(t, -d);
        DrawLine(dc, n, n, w - n - 1, n, static_cast<gdi::COLORREF>(t));
        DrawLine(dc, n, n, n, h - n - 1, static_cast<gdi::COLORREF>(t));
    }
}

void DrawDefaultFrame(const PaintLook& look, gdi::DeviceContext& dc, gdi::COLORREF face) {
    if (look.bevel >= 2) {
        // The depth is a 16-bit copy; it wraps like one.
        const auto depth = static_cast<std::int16_t>(look.bevelDepth + 3);
        DrawRaisedBevel(look, dc, face, look.bevel, depth);
        return;
    }
    const int w = look.clientW, h = look.clientH;
    DrawRect(dc, 0, 0, w - 1, h - 1, static_cast<OleColor>(look.shadow), 0);
    DrawRect(dc, 0, 0, w + 1, h + 1, static_cast<OleColor>(look.buttonHighlight), 0);
}

} // namespace anybutton
