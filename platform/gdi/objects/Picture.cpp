#include "platform/gdi/objects/Picture.h"

#include "platform/gdi/objects/QtConversion.h"

#include <QImage>

namespace gdi {

Picture Picture::fromBitmap(Bitmap bitmap) {
    Picture p;
    p.type_ = PictureType::Bitmap;
    p.bitmap_ = std::make_shared<Bitmap>(std::move(bitmap));
    return p;
}

Picture Picture::fromIcon(Icon icon) {
    Picture p;
    p.type_ = PictureType::Icon;
    p.icon_ = std::make_shared<const Icon>(std::move(icon));
    return p;
}

Picture Picture::fromImage(const QImage& image, PictureType type) {
    if (image.isNull())
        return {};
    if (type == PictureType::Bitmap)
        return fromBitmap(bitmapFromQImage(image));
    if (type != PictureType::Icon)
        return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Icon icon(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb q = line[x];
            icon.setPixel(x, y,
                          (static_cast<std::uint32_t>(qAlpha(q)) << 24) |
                              RGB(qRed(q), qGreen(q), qBlue(q)));
        }
    }
    return fromIcon(std::move(icon));
}

int Picture::width() const {
    if (bitmap_)
        return bitmap_->width();
    return icon_ ? icon_->width() : 0;
}

int Picture::height() const {
    if (bitmap_)
        return bitmap_->height();
    return icon_ ? icon_->height() : 0;
}

} // namespace gdi
