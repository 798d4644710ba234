#pragma once

#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/raster/Blit.h"

// The mask / inverse-mask sequence that keys one colour out of a w x h sprite
// and copies the rest to (dx, dy), with four scratch bitmaps, as a picture
// draw does it. Shared by the raster layer's tests and its benchmark.
inline void maskedCopy(gdi::DeviceContext& d, gdi::DeviceContext& s, int w, int h, int dx, int dy,
                       gdi::COLORREF key) {
    using namespace gdi;
    DeviceContext m = CreateCompatibleDC(d), n = CreateCompatibleDC(d);
    DeviceContext r = CreateCompatibleDC(d), p = CreateCompatibleDC(d);
    SelectObject(m, CreateBitmap(w, h, 1, 1));
    SelectObject(n, CreateBitmap(w, h, 1, 1));
    SelectObject(r, CreateCompatibleBitmap(d, w, h));
    SelectObject(p, CreateCompatibleBitmap(d, w, h));
    const COLORREF old = SetBkColor(s, key);
    BitBlt(m, 0, 0, w, h, s, 0, 0, SRCCOPY);
    SetBkColor(s, old);
    BitBlt(n, 0, 0, w, h, m, 0, 0, NOTSRCCOPY);
    BitBlt(r, 0, 0, w, h, d, dx, dy, SRCCOPY);
    BitBlt(r, 0, 0, w, h, m, 0, 0, SRCAND);
    BitBlt(p, 0, 0, w, h, s, 0, 0, SRCCOPY);
    BitBlt(p, 0, 0, w, h, n, 0, 0, SRCAND);
    BitBlt(r, 0, 0, w, h, p, 0, 0, SRCINVERT);
    BitBlt(d, dx, dy, w, h, r, 0, 0, SRCCOPY);
}
