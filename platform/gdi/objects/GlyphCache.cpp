#include "platform/gdi/objects/GlyphCache.h"

#include "platform/gdi/objects/DeviceContext.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace gdi {

namespace {

constexpr std::size_t kMaxFaces = 8;

QFont qtFont(const Font& font, TextRendering rendering) {
    QFont f = font.toQFont();
    if (rendering == TextRendering::Aliased)
        f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

GlyphCache::Face::Face(const Font& font, TextRendering rendering)
    : font_(qtFont(font, rendering)), metrics_(font_),
      antialiased_(rendering == TextRendering::Antialiased), ascent_(metrics_.ascent()),
      lineHeight_(metrics_.ascent() + metrics_.descent()) {}

int GlyphCache::Face::advance(QChar c) {
    const auto it = advances_.find(c.unicode());
    if (it != advances_.end())
        return it->second;
    const int a = metrics_.horizontalAdvance(c);
    advances_.emplace(c.unicode(), a);
    return a;
}

const QRect& GlyphCache::Face::inkBounds(QChar c) {
    const auto it = inks_.find(c.unicode());
    if (it != inks_.end())
        return it->second;
    // The metrics' box, widened for antialiasing and hinting, and never
    // narrower than the advance box with room for accents and descenders.
    const int slack = 2 + lineHeight_ / 16;
    const QRect ink = metrics_.boundingRect(c).adjusted(-slack, -slack, slack, slack);
    const QRect cell(0, -ascent_ - slack, advance(c), lineHeight_ + 2 * slack);
    return inks_.emplace(c.unicode(), ink.united(cell)).first->second;
}

const GlyphCache::Glyph& GlyphCache::Face::glyph(QChar c) {
    const auto it = glyphs_.find(c.unicode());
    if (it != glyphs_.end())
        return it->second;

    // The scratch image covers where the glyph may ink, so its size, and the
    // work, grow with the glyph rather than with a fixed margin around it.
    const QRect box = inkBounds(c);
    const int padX = -box.left();
    const int padY = -box.top() - ascent_;
    QImage image(box.width(), box.height(), QImage::Format_ARGB32_Premultiplied);
    rasterised_ +=
        static_cast<std::uint64_t>(box.width()) * static_cast<std::uint64_t>(box.height());
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, antialiased_);
        painter.setFont(font_);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(padX, padY + ascent_), QString(c));
    }
    int x0 = image.width(), y0 = image.height(), x1 = 0, y1 = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x + 1);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y + 1);
            }
    }
    Glyph g;
    if (x0 < x1) {
        g.left = x0 - padX;
        g.top = y0 - padY - ascent_;
        g.width = x1 - x0;
        g.height = y1 - y0;
        g.coverage.reserve(static_cast<std::size_t>(g.width) * g.height);
        for (int y = y0; y < y1; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = x0; x < x1; ++x)
                g.coverage.push_back(static_cast<std::uint8_t>(qAlpha(line[x])));
        }
    }
    return glyphs_.emplace(c.unicode(), std::move(g)).first->second;
}

GlyphCache::Face& GlyphCache::face(const Font& font, TextRendering rendering) {
    for (Entry& e : entries_)
        if (e.rendering == rendering && e.font == font)
            return *e.face;
    if (entries_.size() >= kMaxFaces)
        entries_.erase(entries_.begin());
    entries_.push_back({font, rendering, std::make_unique<Face>(font, rendering)});
    return *entries_.back().face;
}

} // namespace gdi
