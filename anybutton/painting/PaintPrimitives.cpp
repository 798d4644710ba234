#include "anybutton/painting/PaintPrimitives.h"

#include "anybutton/painting/ColorMath.h"
#include "platform/gdi/Drawing.h"

namespace anybutton {

void DrawLine(gdi::DeviceContext& dc, int x1, int y1, int x2, int y2, gdi::COLORREF color) {
    gdi::SelectObject(dc, gdi::CreatePen(gdi::PS_SOLID, 1, color));
    gdi::MoveToEx(dc, x1, y1);
    gdi::LineTo(dc, x2, y2);
}

void DrawRect(gdi::DeviceContext& target, int l, int t, int r, int b, OleColor color,
              std::uint8_t fill) {
    const gdi::Brush brush = gdi::CreateSolidBrush(ResolveColor(color, target.systemColors()));
    if (fill == 1)
        gdi::FillRect(target, gdi::Rect{l, t, r, b}, brush);
    else
        gdi::FrameRect(target, gdi::Rect{l, t, r, b}, brush);
}

void Cls(gdi::DeviceContext& dc, OleColor surfaceBack) {
    if (gdi::Bitmap* bmp = dc.bitmap())
        bmp->fill(ResolveColor(surfaceBack, dc.systemColors()));
}

OleColor SetSurfaceBackColor(gdi::DeviceContext& dc, OleColor color) {
    Cls(dc, color);
    return color;
}

} // namespace anybutton
