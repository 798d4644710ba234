#pragma once

// Pictures, colours and pixel sets shared by the content painters' tests.
#include "anybutton/TestSupport.h"
#include "anybutton/properties/PictureRef.h"
#include "platform/gdi/objects/Color.h"

#include <set>
#include <utility>

namespace anybutton::test {

const gdi::COLORREF kRed = gdi::RGB(255, 0, 0);
const gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);
const gdi::COLORREF kGrey = gdi::RGB(146, 146, 146);
const gdi::COLORREF kHoverTint = gdi::RGB(220, 255, 255);

// A 32 x 32 bitmap picture: left half black, right half red, unless one colour is given.
inline PictureRef halves(QRgb left = qRgb(0, 0, 0), QRgb right = qRgb(255, 0, 0)) {
    QImage img(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            img.setPixel(x, y, x < 16 ? left : right);
    return PictureRef::fromImage(img, PictureRef::Type::Bitmap);
}

inline PictureRef solid(QRgb c) {
    return halves(c, c);
}

// A loaded button showing the picture, natural size 32 x 32 drawn 32 x 32, exact text pixels.
struct PictureFixture : Fixture {
    PictureFixture(std::int32_t style, const PictureRef& picture, int w = 100, int h = 40,
                   const QString& caption = QString())
        : Fixture(style, w, h, bagWith(picture, caption)) {
        button->setTextRendering(gdi::TextRendering::Aliased);
        refresh();
    }
    static PropertyBag bagWith(const PictureRef& picture, const QString& caption) {
        PropertyBag bag;
        bag.set(QStringLiteral("Picture"), PropertyValue::picture(picture));
        bag.set(QStringLiteral("Caption"), PropertyValue::string(caption));
        return bag;
    }
};

// Positions of the pixels in r that have colour c.
inline std::set<std::pair<int, int>> pixelsOf(const Fixture& f, const gdi::Rect& r,
                                              gdi::COLORREF c) {
    std::set<std::pair<int, int>> out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (f.px(x, y) == c)
                out.insert({x, y});
    return out;
}

inline std::set<std::pair<int, int>> shifted(const std::set<std::pair<int, int>>& s, int d) {
    std::set<std::pair<int, int>> out;
    for (const auto& [x, y] : s)
        out.insert({x + d, y + d});
    return out;
}

} // namespace anybutton::test
