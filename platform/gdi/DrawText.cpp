#include "platform/gdi/DrawText.h"

#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/objects/GlyphCache.h"
#include "platform/gdi/raster/PixelOps.h"
#include "platform/gdi/text/TextLayout.h"

#include <cstdint>

namespace gdi {

namespace {

// Blends one glyph's coverage into dst in colour c, with the glyph's pen at
// (penX, baseline), inside clip (already within the bitmap).
void blendGlyph(Bitmap& dst, const GlyphCache::Glyph& g, int penX, int baseline, const Rect& clip,
                COLORREF c) {
    const int left = penX + g.left, top = baseline + g.top;
    const auto area =
        clipArea(left, top, std::int64_t{left} + g.width, std::int64_t{top} + g.height, clip);
    if (!area)
        return;
    for (int y = area->top; y < area->bottom; ++y) {
        const std::uint8_t* src = g.coverage.data() + static_cast<std::size_t>(y - top) * g.width;
        COLORREF* d = dst.row(y);
        for (int x = area->left; x < area->right; ++x) {
            const unsigned a = src[x - left];
            if (a == 0)
                continue;
            if (a == 255 || dst.isMono()) {
                d[x] = a >= 128 ? c : d[x];
                continue;
            }
            d[x] = blend(c, a, d[x]);
        }
    }
}

// Pixels of new glyph images one call may draw: far more than a caption
// that fills the largest button needs, so it only ever stops a runaway.
constexpr std::uint64_t kGlyphWork = std::uint64_t{64} << 20;

// Only a glyph that can ink inside the clip is drawn (and so rasterised):
// a caption at the largest size shows a few of its characters, and the
// work of a paint stays bounded by the area it paints.
void drawLine(Bitmap& dst, const TextLine& line, GlyphCache::Face& face, int x, int top,
              const Rect& clip, COLORREF c, std::uint64_t workLimit) {
    const int baseline = top + face.ascent();
    for (int i = 0; i < line.text.size(); ++i) {
        const QChar ch = line.text.at(i);
        if (ch == QLatin1Char(' '))
            continue;
        const int penX = x + line.offsets[static_cast<std::size_t>(i)];
        const QRect& ink = face.inkBounds(ch);
        if (!clipArea(penX + ink.left(), baseline + ink.top(),
                      std::int64_t{penX} + ink.left() + ink.width(),
                      std::int64_t{baseline} + ink.top() + ink.height(), clip))
            continue;
        if (!face.hasGlyph(ch) && face.rasterisedPixels() >= workLimit)
            continue;
        blendGlyph(dst, face.glyph(ch), penX, baseline, clip, c);
    }
    if (line.underlined >= 0) {
        // One pixel high, below the baseline, the character's advance minus one pixel.
        const auto k = static_cast<std::size_t>(line.underlined);
        const int ux = x + line.offsets[k];
        if (const auto bar = clipArea(ux, baseline + 1, std::int64_t{ux} + line.advances[k] - 1,
                                      baseline + 2, clip))
            fillClipped(dst, *bar, c);
    }
}

} // namespace

int DrawTextExA(DeviceContext& dc, std::string_view text, Rect& rect, unsigned format,
                DrawTextParams* params) {
    const int leftMargin = params ? params->iLeftMargin : 0;
    const int rightMargin = params ? params->iRightMargin : 0;
    if (params)
        params->uiLengthDrawn = static_cast<unsigned>(text.size());

    GlyphCache::Face& face = dc.glyphCache().face(dc.font(), dc.textRendering());
    const int wrapWidth = rect.width() - leftMargin - rightMargin;
    const TextLayout layout(decodeAnsi(text), format, wrapWidth,
                            [&face](QChar c) { return face.advance(c); });
    const int lineHeight = face.lineHeight();
    const int height = static_cast<int>(layout.lines().size()) * lineHeight;

    if (format & DT_CALCRECT) {
        rect.right = rect.left + layout.widestLine() + leftMargin + rightMargin;
        rect.bottom = rect.top + height;
        return height;
    }

    Bitmap* dst = dc.bitmap();
    if (!dst)
        return height;
    const auto clip = clipRect(rect, bounds(*dst));
    if (!clip)
        return height;
    const COLORREF c = dc.nativeColor(dc.textColor());
    const std::uint64_t workLimit = face.rasterisedPixels() + kGlyphWork;
    int top = rect.top;
    // We choose: the vertical centre puts the line's top at top + (height - line height) / 2.
    if ((format & DT_VCENTER) && (format & DT_SINGLELINE))
        top = rect.top + (rect.height() - lineHeight) / 2;
    for (const TextLine& line : layout.lines()) {
        if (top >= rect.bottom)
            break;
        const int x = (format & DT_CENTER)
                          ? (rect.left + leftMargin + rect.right - rightMargin - line.width) / 2
                          : rect.left + leftMargin;
        drawLine(*dst, line, face, x, top, *clip, c, workLimit);
        top += lineHeight;
    }
    return height;
}

} // namespace gdi
