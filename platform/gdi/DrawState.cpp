#include "platform/gdi/DrawState.h"

#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/raster/PixelOps.h"
#include "platform/gdi/raster/Transfer.h"

#include <cstdint>

namespace gdi {

namespace {

constexpr unsigned kTypeMask = 0x000F;
constexpr unsigned kStateMask = 0xFFF0;

// Sets every pixel of image that is not white to c, with the image's top-left at (x, y).
void paintForeground(Bitmap& dst, const Bitmap& image, int x, int y, COLORREF c) {
    const auto area = clipPlacement(dst, x, y, image.width(), image.height());
    if (!area)
        return;
    for (int dy = area->top; dy < area->bottom; ++dy) {
        const COLORREF* s = image.row(dy - y);
        COLORREF* d = dst.row(dy);
        for (int dx = area->left; dx < area->right; ++dx) {
            if (s[dx - x] != kWhite)
                d[dx] = c;
        }
    }
}

// The states other than normal, on an image whose white pixels are background.
bool drawStateImage(DeviceContext& dc, const std::optional<Brush>& brush, const Bitmap& image,
                    int x, int y, unsigned state) {
    Bitmap& dst = *dc.bitmap();
    if (state == DSS_MONO) {
        // We choose: without a brush the silhouette takes the context's selected brush.
        paintForeground(dst, image, x, y, dc.nativeColor(brush ? brush->color : dc.brush().color));
        return true;
    }
    if (state == DSS_DISABLED) {
        const SystemColors& table = dc.systemColors();
        paintForeground(dst, image, x + 1, y + 1,
                        dc.nativeColor(table.GetSysColor(COLOR_BTNHIGHLIGHT)));
        paintForeground(dst, image, x, y, dc.nativeColor(table.GetSysColor(COLOR_BTNSHADOW)));
        return true;
    }
    return false;
}

} // namespace

bool DrawStateA(DeviceContext& dc, std::optional<Brush> brush, const Bitmap& image, int x, int y,
                unsigned flags) {
    if (!dc.bitmap() || (flags & kTypeMask) != DST_BITMAP)
        return false;
    const unsigned state = flags & kStateMask;
    if (state == DSS_NORMAL) {
        if (!image.isEmpty()) {
            const SystemColors& table = dc.systemColors();
            transferPixels(*dc.bitmap(), x, y, image.width(), image.height(), image, 0, 0,
                           image.width(), image.height(), SRCCOPY,
                           {kWhite, table.resolve(dc.bkColor()), table.resolve(dc.textColor())});
        }
        return true;
    }
    return drawStateImage(dc, brush, image, x, y, state);
}

bool DrawStateA(DeviceContext& dc, std::optional<Brush> brush, const Icon& icon, int x, int y,
                unsigned flags) {
    if (!dc.bitmap() || (flags & kTypeMask) != DST_ICON)
        return false;
    const unsigned state = flags & kStateMask;
    if (state == DSS_NORMAL) {
        DrawIconEx(dc, x, y, icon, icon.width(), icon.height());
        return true;
    }
    // We choose: a partly transparent pixel is judged by its colour blended over white.
    return drawStateImage(dc, brush, icon.onWhite(), x, y, state);
}

void DrawIconEx(DeviceContext& dc, int x, int y, const Icon& icon, int width, int height) {
    Bitmap* dst = dc.bitmap();
    if (!dst || icon.isEmpty() || width <= 0 || height <= 0)
        return;
    const std::int64_t sw = icon.width(), sh = icon.height();
    const auto area = clipPlacement(*dst, x, y, width, height);
    if (!area)
        return;
    // We choose: icons scale by the centre sample in both directions (no AND of
    // alpha pixels); the enlarging rule of StretchBlt.
    for (int dy = area->top; dy < area->bottom; ++dy) {
        const std::int64_t j = std::int64_t{dy} - y;
        const int sy = static_cast<int>(((2 * j + 1) * sh - 1) / (2 * std::int64_t{height}));
        COLORREF* d = dst->row(dy);
        for (int dx = area->left; dx < area->right; ++dx) {
            const std::int64_t i = std::int64_t{dx} - x;
            const int sx = static_cast<int>(((2 * i + 1) * sw - 1) / (2 * std::int64_t{width}));
            const std::uint32_t p = icon.pixel(sx, sy);
            const unsigned a = p >> 24;
            if (a == 0)
                continue;
            const COLORREF under = dst->isMono() ? (d[dx] ? kWhite : kBlack) : d[dx];
            d[dx] = dst->toNative(blend(p & kColorBits, a, under));
        }
    }
}

} // namespace gdi
