#include "platform/gdi/PixelHelpers.h"

#include "platform/gdi/objects/Picture.h"
#include "platform/gdi/objects/QtConversion.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace gdi;
using namespace gdi::test;

namespace {

TEST(QtConversionTest, RedIsTheLowByteBothWays) {
    DeviceContext dc = makeDc(2, 1);
    dc.bitmap()->setPixel(0, 0, RGB(10, 20, 30));
    const QImage image = toQImage(dc);
    ASSERT_EQ(image.size(), QSize(2, 1));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(bitmapFromQImage(image), *dc.bitmap());
    EXPECT_TRUE(toQImage(DeviceContext()).isNull());

    Bitmap mono(2, 1, BitmapFormat::Mono);
    mono.setPixel(1, 0, Bitmap::kMonoOne);
    const QImage m = toQImage(mono);
    EXPECT_EQ(m.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(m.pixel(1, 0), qRgb(255, 255, 255));
}

TEST(PictureTest, LoadsBitmapsWithoutAndIconsWithAlpha) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(1, 2, 3, 255));
    image.setPixel(1, 0, qRgba(4, 5, 6, 0));

    const Picture bitmap = Picture::fromImage(image, PictureType::Bitmap);
    ASSERT_EQ(bitmap.type(), PictureType::Bitmap);
    ASSERT_TRUE(bitmap.bitmap());
    EXPECT_EQ(bitmap.width(), 2);
    EXPECT_EQ(bitmap.bitmap()->pixel(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(bitmap.bitmap()->pixel(1, 0), RGB(4, 5, 6));

    const Picture icon = Picture::fromImage(image, PictureType::Icon);
    ASSERT_EQ(icon.type(), PictureType::Icon);
    ASSERT_TRUE(icon.icon());
    EXPECT_EQ(Icon::alphaOf(icon.icon()->pixel(0, 0)), 255);
    EXPECT_EQ(icon.icon()->pixel(0, 0) & kColorBits, RGB(1, 2, 3));
    EXPECT_EQ(Icon::alphaOf(icon.icon()->pixel(1, 0)), 0);

    EXPECT_TRUE(Picture::fromImage(QImage(), PictureType::Bitmap).isEmpty());
    EXPECT_TRUE(Picture::fromImage(image, PictureType::Metafile).isEmpty());
    // Copies share the image.
    const Picture copy = bitmap;
    EXPECT_EQ(copy.bitmap(), bitmap.bitmap());
}

} // namespace
