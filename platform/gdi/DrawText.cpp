#include "platform/gdi/DrawText.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/TextLayout.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace gdi {

namespace {

// Blends a coverage image (alpha = ink) into dst at (left, top) in colour c, inside clip.
void blendCoverage(Bitmap& dst, const QImage& coverage, int left, int top, const Rect& clip,
                   COLORREF c) {
    const Rect area = Rect{left, top, left + coverage.width(), top + coverage.height()}
                          .intersected(clip)
                          .intersected(Rect{0, 0, dst.width(), dst.height()});
    for (int y = area.top; y < area.bottom; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(coverage.constScanLine(y - top));
        COLORREF* d = dst.row(y);
        for (int x = area.left; x < area.right; ++x) {
            const unsigned a = qAlpha(src[x - left]);
            if (a == 0)
                continue;
            if (a == 255 || dst.isMono()) {
                d[x] = a >= 128 ? c : d[x];
                continue;
            }
            COLORREF out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const unsigned s = (c >> shift) & 0xFF, u = (d[x] >> shift) & 0xFF;
                out |= ((s * a + u * (255 - a) + 127) / 255) << shift;
            }
            d[x] = out;
        }
    }
}

void drawLine(Bitmap& dst, const TextLine& line, const QFont& font, const QFontMetrics& metrics,
              bool antialiased, int x, int top, const Rect& clip, COLORREF c) {
    // Room for glyphs that reach past their advance (italics, overhangs).
    const int pad = metrics.height();
    QImage coverage(line.width + 2 * pad, metrics.ascent() + metrics.descent(),
                    QImage::Format_ARGB32_Premultiplied);
    if (coverage.isNull())
        return;
    coverage.fill(Qt::transparent);
    {
        QPainter painter(&coverage);
        painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
        painter.setFont(font);
        painter.setPen(Qt::white);
        for (int i = 0; i < line.text.size(); ++i) {
            const QChar ch = line.text.at(i);
            if (ch != QLatin1Char(' '))
                painter.drawText(
                    QPoint(pad + line.offsets[static_cast<std::size_t>(i)], metrics.ascent()),
                    QString(ch));
        }
    }
    blendCoverage(dst, coverage, x - pad, top, clip, c);

    if (line.underlined >= 0) {
        // One pixel high, below the baseline, the character's advance minus one pixel.
        const auto k = static_cast<std::size_t>(line.underlined);
        const int ux = x + line.offsets[k];
        const Rect bar = Rect{ux, top + metrics.ascent() + 1, ux + line.advances[k] - 1,
                              top + metrics.ascent() + 2}
                             .intersected(clip)
                             .intersected(Rect{0, 0, dst.width(), dst.height()});
        for (int y = bar.top; y < bar.bottom; ++y)
            std::fill(dst.row(y) + bar.left, dst.row(y) + bar.right, c);
    }
}

} // namespace

int DrawTextExA(DeviceContext& dc, std::string_view text, Rect& rect, unsigned format,
                DrawTextParams* params) {
    const int leftMargin = params ? params->iLeftMargin : 0;
    const int rightMargin = params ? params->iRightMargin : 0;
    if (params)
        params->uiLengthDrawn = static_cast<unsigned>(text.size());

    const bool antialiased = dc.textRendering() == TextRendering::Antialiased;
    QFont font = dc.font().toQFont();
    if (!antialiased)
        font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.ascent() + metrics.descent();

    const int wrapWidth = rect.width() - leftMargin - rightMargin;
    const TextLayout layout(decodeAnsi(text), format, wrapWidth,
                            [&metrics](QChar c) { return metrics.horizontalAdvance(c); });
    const int height = static_cast<int>(layout.lines().size()) * lineHeight;

    if (format & DT_CALCRECT) {
        rect.right = rect.left + layout.widestLine() + leftMargin + rightMargin;
        rect.bottom = rect.top + height;
        return height;
    }

    Bitmap* dst = dc.bitmap();
    if (!dst)
        return height;
    const COLORREF c = dc.nativeColor(dc.textColor());
    int top = rect.top;
    if ((format & DT_VCENTER) && (format & DT_SINGLELINE))
        top = rect.top + (rect.height() - lineHeight) / 2;
    for (const TextLine& line : layout.lines()) {
        if (top >= rect.bottom)
            break;
        const int x = (format & DT_CENTER)
                          ? (rect.left + leftMargin + rect.right - rightMargin - line.width) / 2
                          : rect.left + leftMargin;
        drawLine(*dst, line, font, metrics, antialiased, x, top, rect, c);
        top += lineHeight;
    }
    return height;
}

} // namespace gdi
