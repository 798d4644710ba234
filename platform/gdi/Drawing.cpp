#include "platform/gdi/Drawing.h"

#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/raster/PixelOps.h"

#include <algorithm>
#include <cstdlib>

namespace gdi {

namespace {

void invertDotted(Bitmap& b, const Rect& r) {
    const auto strip = clipRect(r, bounds(b));
    if (!strip)
        return;
    for (int y = strip->top; y < strip->bottom; ++y) {
        COLORREF* row = b.row(y);
        // First x in the strip with (x + y) even.
        for (int x = strip->left + ((strip->left + y) & 1); x < strip->right; x += 2)
            row[x] ^= kColorBits;
    }
}

} // namespace

void FillRect(DeviceContext& dc, const Rect& rect, const Brush& brush) {
    if (Bitmap* b = dc.bitmap())
        fillClipped(*b, rect, dc.nativeColor(brush.color));
}

void FrameRect(DeviceContext& dc, const Rect& r, const Brush& brush) {
    Bitmap* b = dc.bitmap();
    if (!b || r.isEmpty())
        return;
    const COLORREF c = dc.nativeColor(brush.color);
    fillClipped(*b, {r.left, r.top, r.right, r.top + 1}, c);
    fillClipped(*b, {r.left, r.bottom - 1, r.right, r.bottom}, c);
    fillClipped(*b, {r.left, r.top, r.left + 1, r.bottom}, c);
    fillClipped(*b, {r.right - 1, r.top, r.right, r.bottom}, c);
}

Point MoveToEx(DeviceContext& dc, int x, int y) {
    const Point old = dc.currentPosition();
    dc.setCurrentPosition({x, y});
    return old;
}

void LineTo(DeviceContext& dc, int x, int y) {
    const Point from = dc.currentPosition();
    dc.setCurrentPosition({x, y});
    Bitmap* b = dc.bitmap();
    if (!b || from == Point{x, y})
        return;
    const COLORREF c = dc.nativeColor(dc.pen().color);
    // Reversed lines cover the pixels after the end point up to the start.
    if (from.y == y) {
        const int l = from.x < x ? from.x : x + 1;
        const int r = from.x < x ? x : from.x + 1;
        fillClipped(*b, {l, y, r, y + 1}, c);
        return;
    }
    if (from.x == x) {
        const int t = from.y < y ? from.y : y + 1;
        const int bo = from.y < y ? y : from.y + 1;
        fillClipped(*b, {x, t, x + 1, bo}, c);
        return;
    }
    // We choose: other slopes follow Bresenham's line from the start point,
    // stopping before the end point.
    const int dx = std::abs(x - from.x), dy = -std::abs(y - from.y);
    const int sx = from.x < x ? 1 : -1, sy = from.y < y ? 1 : -1;
    int err = dx + dy;
    for (int cx = from.x, cy = from.y; cx != x || cy != y;) {
        fillClipped(*b, {cx, cy, cx + 1, cy + 1}, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            cy += sy;
        }
    }
}

void SetPixelV(DeviceContext& dc, int x, int y, COLORREF color) {
    Bitmap* b = dc.bitmap();
    if (b)
        fillClipped(*b, {x, y, x + 1, y + 1}, dc.nativeColor(color));
}

void DrawFocusRect(DeviceContext& dc, const Rect& r) {
    Bitmap* b = dc.bitmap();
    if (!b || r.isEmpty())
        return;
    invertDotted(*b, {r.left, r.top, r.right, r.top + 1});
    // We choose: a one-row or one-column rectangle inverts its single strip
    // once; the coinciding opposite strip is left out so nothing inverts twice.
    if (r.bottom - 1 > r.top)
        invertDotted(*b, {r.left, r.bottom - 1, r.right, r.bottom});
    invertDotted(*b, {r.left, r.top + 1, r.left + 1, r.bottom - 1});
    if (r.right - 1 > r.left)
        invertDotted(*b, {r.right - 1, r.top + 1, r.right, r.bottom - 1});
}

} // namespace gdi
