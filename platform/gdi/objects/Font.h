#pragma once

#include <QString>

class QFont;

namespace gdi {

enum class FontSizeUnit { Points, Pixels };

// The font a device context draws text in: a plain value, turned into a QFont
// only where glyphs are measured and drawn.
struct Font {
    // The largest size drawn (five inches at 96 dpi, taller than the largest
    // button): a glyph is rasterised whole, so a size like 8025 pt would ask
    // for gigabytes per glyph. A larger size, or infinity, draws at this size;
    // a size below the smallest, or NaN, at the smallest. The value itself is
    // kept as given.
    static constexpr double kMaxPoints = 360;
    static constexpr int kMaxPixels = 480;

    QString family = QStringLiteral("DejaVu Sans");
    double size = 8.0;
    FontSizeUnit unit = FontSizeUnit::Points;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    QFont toQFont() const;
    static Font fromQFont(const QFont& font);

    friend bool operator==(const Font& a, const Font& b) {
        return a.family == b.family && a.size == b.size && a.unit == b.unit && a.bold == b.bold &&
               a.italic == b.italic && a.underline == b.underline && a.strikeout == b.strikeout;
    }
    friend bool operator!=(const Font& a, const Font& b) { return !(a == b); }
};

} // namespace gdi
