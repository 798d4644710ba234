#include "platform/gdi/objects/QtConversion.h"

#include "platform/gdi/objects/DeviceContext.h"

namespace gdi {

QImage toQImage(const Bitmap& bitmap) {
    if (bitmap.isEmpty())
        return {};
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        const COLORREF* src = bitmap.row(y);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            dst[x] = qRgb(GetRValue(src[x]), GetGValue(src[x]), GetBValue(src[x]));
    }
    return image;
}

QImage toQImage(const DeviceContext& dc) {
    return dc.bitmap() ? toQImage(*dc.bitmap()) : QImage();
}

Bitmap bitmapFromQImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap out(rgb.width(), rgb.height());
    for (int y = 0; y < out.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        COLORREF* dst = out.row(y);
        for (int x = 0; x < out.width(); ++x)
            dst[x] = RGB(qRed(src[x]), qGreen(src[x]), qBlue(src[x]));
    }
    return out;
}

QRegion toQRegion(const Region& region) {
    QRegion out;
    for (const Rect& r : region.rects())
        out += QRect(r.left, r.top, r.width(), r.height());
    return out;
}

} // namespace gdi
