// The picture loaders (anybutton/properties/PictureFile.h: LoadPicture over
// Qt's BMP reader and its ICO/CUR plugin) and the raster conversion behind
// them (platform/gdi/objects/Picture.h) on arbitrary files. The same bytes are
// loaded as a .bmp, an .ico and a .cur file; whatever loads must be a sane
// picture: a positive size within the decoder's limit, an icon for .ico and
// .cur, a bitmap otherwise, its raster form of the same size and pixels.

#include "FuzzSupport.h"

#include "anybutton/properties/PictureFile.h"
#include "platform/gdi/objects/Picture.h"

#include <QImageReader>

#include <cmath>

using anybutton::PictureRef;

namespace {

constexpr int kAllocationLimitMb = 2;

void checkLoaded(const PictureRef& p, bool icon) {
    FUZZ_CHECK(p.kind() == PictureRef::Kind::Image);
    FUZZ_CHECK(p.type() == (icon ? PictureRef::Type::Icon : PictureRef::Type::Bitmap));
    const QImage& image = p.image();
    const qint64 w = image.width();
    const qint64 h = image.height();
    FUZZ_CHECK(w > 0 && h > 0);
    FUZZ_CHECK(w * h * 4 <= qint64(kAllocationLimitMb) * 1024 * 1024);
    FUZZ_CHECK(p.himetricWidth() == std::lround(w * 2540.0 / 96.0));
    FUZZ_CHECK(p.himetricHeight() == std::lround(h * 2540.0 / 96.0));

    const gdi::Picture& drawn = p.drawable();
    FUZZ_CHECK(drawn.type() == (icon ? gdi::PictureType::Icon : gdi::PictureType::Bitmap));
    FUZZ_CHECK(drawn.width() == w && drawn.height() == h);
    if (icon) {
        FUZZ_CHECK(drawn.icon() && !drawn.bitmap());
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        const gdi::Icon& ic = *drawn.icon();
        for (int y = 0; y < h; y += 7)
            for (int x = 0; x < w; x += 5)
                FUZZ_CHECK(gdi::Icon::alphaOf(ic.pixel(x, y)) == qAlpha(argb.pixel(x, y)));
        const gdi::Bitmap white = ic.onWhite();
        FUZZ_CHECK(white.width() == w && white.height() == h);
    } else {
        FUZZ_CHECK(drawn.bitmap() && !drawn.icon());
        // Bitmaps keep the colours and drop alpha.
        const gdi::Bitmap& bm = *drawn.bitmap();
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < h; y += 7)
            for (int x = 0; x < w; x += 5) {
                const QRgb q = rgb.pixel(x, y);
                FUZZ_CHECK(bm.row(y)[x] == gdi::RGB(qRed(q), qGreen(q), qBlue(q)));
            }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::startWithSmallPictures(kAllocationLimitMb);
    fuzz::scratchDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content = fuzz::bytes(data, size);
    for (const char* suffix : {"bmp", "ico", "cur"}) {
        const QString path =
            fuzz::scratchDir().filePath(QStringLiteral("picture.") + QLatin1String(suffix));
        fuzz::writeFile(path, content);
        // An .ico or .cur file that the icon reader refuses may still be read
        // as what its bytes are: then it loads as a bitmap.
        const QByteArray format = QImageReader(path).format();
        if (const auto p = anybutton::LoadPicture(path))
            checkLoaded(*p, format == "ico" || format == "cur");
    }
    return 0;
}
