#include "anybutton/painting/PaintPrimitives.h"

#include "anybutton/painting/ColorMath.h"
#include "platform/gdi/Drawing.h"

#include <cmath>

namespace anybutton {

void DrawLine(PaintContext& ctx, int x1, int y1, int x2, int y2, gdi::COLORREF color) {
    gdi::SelectObject(ctx.dc, gdi::CreatePen(gdi::PS_SOLID, 1, color));
    gdi::MoveToEx(ctx.dc, x1, y1);
    gdi::LineTo(ctx.dc, x2, y2);
}

void DrawRect(gdi::DeviceContext& target, int l, int t, int r, int b, OleColor color,
              std::uint8_t fill) {
    const gdi::Brush brush = gdi::CreateSolidBrush(ResolveColor(color, target.systemColors()));
    if (fill == 1)
        gdi::FillRect(target, gdi::Rect{l, t, r, b}, brush);
    else
        gdi::FrameRect(target, gdi::Rect{l, t, r, b}, brush);
}

void SetSurfaceBackColor(PaintContext& ctx, OleColor color) {
    ctx.state.surfaceBackColor = color;
    Cls(ctx);
}

void Cls(PaintContext& ctx) {
    if (gdi::Bitmap* bmp = ctx.dc.bitmap())
        bmp->fill(ResolveColor(ctx.state.surfaceBackColor, ctx.dc.systemColors()));
}

int ClientW(const ButtonState& s) {
    return static_cast<int>(std::nearbyint(s.clientWidth));
}
int ClientH(const ButtonState& s) {
    return static_cast<int>(std::nearbyint(s.clientHeight));
}

} // namespace anybutton
