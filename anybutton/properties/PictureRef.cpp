#include "anybutton/properties/PictureRef.h"

#include <cmath>

namespace anybutton {

PictureRef PictureRef::empty() {
    PictureRef p;
    p.kind_ = Kind::Empty;
    return p;
}

PictureRef PictureRef::handCursor() {
    PictureRef p;
    p.kind_ = Kind::HandCursor;
    p.type_ = Type::Icon;
    // A standard 32 x 32 cursor.
    p.himW_ = p.himH_ = 847;
    return p;
}

PictureRef PictureRef::fromImage(const QImage& image, Type type, int himetricWidth,
                                 int himetricHeight) {
    if (image.isNull())
        return empty();
    PictureRef p;
    p.kind_ = Kind::Image;
    p.type_ = type;
    p.image_ = image;
    // 2540 HIMETRIC per inch; at 96 dpi one pixel is 26.458 HIMETRIC.
    p.himW_ = himetricWidth >= 0 ? himetricWidth
                                 : static_cast<int>(std::lround(image.width() * 2540.0 / 96.0));
    p.himH_ = himetricHeight >= 0 ? himetricHeight
                                  : static_cast<int>(std::lround(image.height() * 2540.0 / 96.0));
    // Built once here, so a refresh never converts the image again.
    if (type == Type::Bitmap || type == Type::Icon)
        p.drawable_ = std::make_shared<const gdi::Picture>(
            gdi::Picture::fromImage(image, static_cast<gdi::PictureType>(type)));
    return p;
}

const gdi::Picture& PictureRef::drawable() const {
    static const gdi::Picture kNone;
    return drawable_ ? *drawable_ : kNone;
}

int PictureRef::himetricToPixels(int himetric, int dpi) {
    return static_cast<int>(std::nearbyint(static_cast<double>(himetric) * dpi / 2540.0));
}

bool PictureRef::operator==(const PictureRef& o) const {
    return kind_ == o.kind_ && type_ == o.type_ && himW_ == o.himW_ && himH_ == o.himH_ &&
           image_ == o.image_;
}

} // namespace anybutton
