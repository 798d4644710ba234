#include "platform/gdi/objects/Font.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace gdi {

QFont Font::toQFont() const {
    QFont f(family);
    // Written so that NaN takes the smallest size.
    if (unit == FontSizeUnit::Pixels)
        f.setPixelSize(size >= 1 ? static_cast<int>(std::lround(std::min<double>(size, kMaxPixels)))
                                 : 1);
    else
        f.setPointSizeF(size > 0 ? std::min(size, kMaxPoints) : 1.0);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikeout);
    return f;
}

Font Font::fromQFont(const QFont& f) {
    Font r;
    r.family = f.family();
    if (f.pixelSize() > 0) {
        r.size = f.pixelSize();
        r.unit = FontSizeUnit::Pixels;
    } else {
        r.size = f.pointSizeF();
        r.unit = FontSizeUnit::Points;
    }
    r.bold = f.bold();
    r.italic = f.italic();
    r.underline = f.underline();
    r.strikeout = f.strikeOut();
    return r;
}

} // namespace gdi
