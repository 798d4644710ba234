#include "anybutton/TestSupport.h"
#include "anybutton/content/ContentHelpers.h"

#include "anybutton/content/ContentPainters.h"
#include "anybutton/content/PicturePainters.h"
#include "anybutton/properties/PictureFile.h"
#include "platform/gdi/raster/Blit.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace anybutton;
using namespace anybutton::test;

TEST(ContentLayout, PictureAloneIsCentred) {
    PictureFixture f(ButtonStyleStandard, solid(qRgb(255, 0, 0)));
    EXPECT_EQ(f.s().g_ClientRect, (gdi::Rect{0, 0, 99, 39}));
    EXPECT_EQ(f.s().g_ContentRect, (gdi::Rect{4, 4, 96, 36}));
    EXPECT_EQ(f.s().g_PictureRect, (gdi::Rect{34, 4, 66, 36}));
    EXPECT_EQ(f.px(34, 4), kRed);
    EXPECT_EQ(f.px(65, 35), kRed);
    EXPECT_EQ(f.px(33, 20), kFace);
    EXPECT_EQ(f.px(66, 20), kFace);
}

TEST(ContentLayout, EachPicturePositionAroundTheMeasuredCaption) {
    // The caption's measured size, taken from a button without a picture.
    Fixture plain(ButtonStyleStandard, 120, 80);
    plain.button->setCaption(QStringLiteral("Open"));
    const int cw = plain.s().g_CaptionRect.width(), ch = plain.s().g_CaptionRect.height();
    ASSERT_GT(cw, 2);
    ASSERT_GT(ch, 0);
    EXPECT_EQ(plain.s().g_CaptionRect.left, 4 + (112 - cw) / 2);
    EXPECT_EQ(plain.s().g_CaptionRect.top, 4 + (72 - ch) / 2);

    struct Case {
        std::int32_t position;
        gdi::Rect picture, caption;
    };
    const int lx = 4 + (112 - (16 + 4 + cw)) / 2; // left edge of a side-by-side pair
    const int ty = 4 + (72 - (16 + 4 + ch)) / 2;  // top edge of a stacked pair
    const Case cases[] = {
        {0,
         {52, ty, 68, ty + 16},
         {4 + (112 - cw) / 2, ty + 20, 4 + (112 - cw) / 2 + cw, ty + 20 + ch}},
        {1,
         {lx, 32, lx + 16, 48},
         {lx + 20, 4 + (72 - ch) / 2, lx + 20 + cw, 4 + (72 - ch) / 2 + ch}},
        {2,
         {lx + cw + 4, 32, lx + cw + 20, 48},
         {lx, 4 + (72 - ch) / 2, lx + cw, 4 + (72 - ch) / 2 + ch}},
        {3,
         {52, ty + ch + 4, 68, ty + ch + 20},
         {4 + (112 - cw) / 2, ty, 4 + (112 - cw) / 2 + cw, ty + ch}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        PropertyBag bag = PictureFixture::bagWith(solid(qRgb(255, 0, 0)), QStringLiteral("Open"));
        bag.set(QStringLiteral("PicturePosition"), PropertyValue::int32(c.position));
        bag.set(QStringLiteral("PictureWidth"), PropertyValue::int32(16));
        bag.set(QStringLiteral("PictureHeight"), PropertyValue::int32(16));
        Fixture f(ButtonStyleStandard, 120, 80, bag);
        EXPECT_EQ(f.s().g_PictureRect, c.picture);
        EXPECT_EQ(f.s().g_CaptionRect, c.caption);
        EXPECT_EQ(f.px(c.picture.left, c.picture.top), kRed);
    }
    // Out of range: the picture keeps its last place, the caption is centred.
    PropertyBag bag = PictureFixture::bagWith(solid(qRgb(255, 0, 0)), QStringLiteral("Open"));
    bag.set(QStringLiteral("PictureWidth"), PropertyValue::int32(16));
    bag.set(QStringLiteral("PictureHeight"), PropertyValue::int32(16));
    Fixture f(ButtonStyleStandard, 120, 80, bag);
    const gdi::Rect before = f.s().g_PictureRect;
    f.button->setPicturePosition(7);
    EXPECT_EQ(f.s().g_PictureRect, before);
    EXPECT_EQ(f.s().g_CaptionRect, plain.s().g_CaptionRect);
}

TEST(ContentLayout, CaptionWrapsAtTheContentWidthAndAmpersandsTakeNoWidth) {
    Fixture f(ButtonStyleStandard, 60, 80);
    f.button->setCaption(QStringLiteral("Open"));
    const gdi::Rect one = f.s().g_CaptionRect;
    f.button->setCaption(QStringLiteral("&Open"));
    EXPECT_EQ(f.s().g_CaptionRect, one);
    f.button->setCaption(QStringLiteral("Open Open Open"));
    EXPECT_EQ(f.s().g_CaptionRect.height(), 3 * one.height());
    EXPECT_EQ(f.s().g_CaptionRect.width(), one.width());
    f.button->setCaption(QStringLiteral("&&"));
    const int doubled = f.s().g_CaptionRect.width();
    f.button->setCaption(QStringLiteral("&"));
    EXPECT_EQ(f.s().g_CaptionRect.width(), doubled);
    const gdi::DrawTextParams params = CaptionTextParams();
    EXPECT_EQ(params.cbSize, 20u);
    EXPECT_EQ(params.iTabLength, 1);
    EXPECT_EQ(params.iLeftMargin, 1);
    EXPECT_EQ(params.iRightMargin, 1);
}

TEST(CaptionPainting, EnabledPressedAndDisabled) {
    auto textPixels = [](std::int32_t style, std::uint8_t pressed, bool enabled,
                         gdi::COLORREF colour) {
        PictureFixture f(style, PictureRef(), 100, 40, QStringLiteral("Hi &Io"));
        f.s().g_IsOver = pressed;
        f.s().g_IsPressed = pressed;
        if (!enabled)
            f.button->setEnabled(false);
        f.refresh();
        return pixelsOf(f, {5, 5, 95, 35}, colour);
    };
    const gdi::COLORREF kText = gdi::RGB(0, 0, 0);
    const auto normal = textPixels(ButtonStyleStandard, 0, true, kText);
    ASSERT_GT(normal.size(), 20u);
    EXPECT_EQ(textPixels(ButtonStyleStandard, 1, true, kText), shifted(normal, 1));
    EXPECT_EQ(textPixels(ButtonStyleNoBorder, 1, true, kText), shifted(normal, 1));
    EXPECT_EQ(textPixels(ButtonStyleXP, 1, true, kText), normal);

    // Disabled: the shadow copy where the text was, the highlight copy one pixel
    // right and down wherever the shadow does not cover it.
    EXPECT_TRUE(textPixels(ButtonStyleStandard, 0, false, kText).empty());
    const auto shadow = textPixels(ButtonStyleStandard, 0, false, kShadow);
    EXPECT_EQ(shadow, normal);
    std::set<std::pair<int, int>> highlight;
    for (const auto& p : shifted(normal, 1))
        if (!normal.count(p))
            highlight.insert(p);
    EXPECT_EQ(textPixels(ButtonStyleStandard, 0, false, kHighlight), highlight);
}

TEST(CaptionPainting, ForeColourAndUnderlinedAccessKey) {
    PictureFixture f(ButtonStyleStandard, PictureRef(), 100, 40, QStringLiteral("&Io"));
    f.button->setForeColor(0x00FF0000); // blue
    const gdi::Rect r = f.s().g_CaptionRect;
    const auto blue = pixelsOf(f, {0, 0, 100, 40}, kBlue);
    ASSERT_FALSE(blue.empty());
    for (const auto& [x, y] : blue)
        EXPECT_TRUE(r.contains(x, y)) << x << "," << y;
    // The underline: a row of the caption with a run of at least 3 blue pixels
    // starting at the caption's first glyph column.
    int longest = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        int run = 0;
        for (int x = r.left; x < r.right; ++x) {
            run = f.px(x, y) == kBlue ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    EXPECT_GE(longest, 3);
    PictureFixture plain(ButtonStyleStandard, PictureRef(), 100, 40, QStringLiteral("Io"));
    plain.button->setForeColor(0x00FF0000);
    EXPECT_GT(blue.size(), pixelsOf(plain, {0, 0, 100, 40}, kBlue).size());
}

TEST(TransparentBackground, CopiesTheContainerPictureUnderTheButton) {
    QImage bg(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            bg.setPixel(x, y, qRgb(x % 256, y, 7));
    struct Case {
        const char* name;
        std::int32_t style;
        double left, top, unitsPerPixel;
        std::uint8_t pressed;
        gdi::COLORREF centre;
    };
    const Case cases[] = {
        {"standard, pixels", ButtonStyleStandard, 20, 30, 1, 0, gdi::RGB(70, 50, 7)},
        {"flat, twips", ButtonStyleFlat, 300, 450, 15, 0, gdi::RGB(70, 50, 7)},
        {"no border, rounded position", ButtonStyleNoBorder, 20.4, 29.6, 1, 0, gdi::RGB(70, 50, 7)},
        {"xp", ButtonStyleXP, 20, 30, 1, 0, gdi::RGB(70, 50, 7)},
        {"xp pressed paints its face", ButtonStyleXP, 20, 30, 1, 1, gdi::RGB(205, 245, 255)},
        {"partly beyond the picture keeps the face", ButtonStyleStandard, 260, 30, 1, 0, kFace},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PropertyBag bag;
        bag.set(QStringLiteral("TransparentBG"), PropertyValue::boolean(true));
        Fixture f(c.style, 100, 40, bag);
        f.container.picture = PictureRef::fromImage(bg);
        f.container.left = c.left;
        f.container.top = c.top;
        f.container.unitsPerPixel = c.unitsPerPixel;
        f.s().g_IsPressed = c.pressed;
        f.refresh();
        EXPECT_EQ(f.px(50, 20), c.centre);
    }
    PropertyBag bag;
    bag.set(QStringLiteral("TransparentBG"), PropertyValue::boolean(true));
    Fixture none(ButtonStyleStandard, 100, 40, bag);
    EXPECT_EQ(none.px(50, 20), kFace);
    none.container.picture = PictureRef::fromImage(bg, PictureRef::Type::Icon);
    none.refresh();
    EXPECT_EQ(none.px(50, 20), kFace);
}

TEST(TransparentBlitTest, KeyedCopyAndSixteenBitSizes) {
    gdi::DeviceContext dst;
    gdi::SelectObject(dst, gdi::CreateCompatibleBitmap(dst, 4, 1));
    dst.bitmap()->fill(kBlue);
    gdi::DeviceContext src;
    gdi::SelectObject(src, gdi::CreateCompatibleBitmap(src, 3, 1));
    src.bitmap()->setPixel(0, 0, kRed);
    src.bitmap()->setPixel(1, 0, gdi::RGB(1, 2, 3));
    src.bitmap()->setPixel(2, 0, kRed);
    gdi::SetBkColor(src, kGrey);
    TransparentBlit(dst, dst, src, 0, 0, 3, 1, 1, 0, static_cast<OleColor>(kRed));
    EXPECT_EQ(dst.bitmap()->pixel(0, 0), kBlue);
    EXPECT_EQ(dst.bitmap()->pixel(1, 0), kBlue);
    EXPECT_EQ(dst.bitmap()->pixel(2, 0), gdi::RGB(1, 2, 3));
    EXPECT_EQ(dst.bitmap()->pixel(3, 0), kBlue);
    EXPECT_EQ(src.bkColor(), kGrey); // restored
    // 65537 wraps to 1 in 16 bits; 40000 to a negative width, which copies nothing.
    TransparentBlit(dst, dst, src, 0, 0, 65537, 1, 0, 0, static_cast<OleColor>(kBlue));
    EXPECT_EQ(dst.bitmap()->pixel(0, 0), kRed);
    dst.bitmap()->fill(kBlue);
    TransparentBlit(dst, dst, src, 0, 0, 40000, 1, 0, 0, 0);
    EXPECT_EQ(dst.bitmap()->pixel(1, 0), kBlue);
}

TEST(PictureFiles, BmpIsABitmapAndIcoAnIcon) {
    QTemporaryDir dir;
    QImage img(8, 4, QImage::Format_ARGB32);
    img.fill(qRgba(10, 20, 30, 255));
    img.setPixel(0, 0, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(img.save(dir.filePath("p.bmp"), "BMP"));
    ASSERT_TRUE(img.save(dir.filePath("p.ico"), "ICO"));
    const auto bmp = LoadPicture(dir.filePath("p.bmp"));
    ASSERT_TRUE(bmp.has_value());
    EXPECT_EQ(bmp->type(), PictureRef::Type::Bitmap);
    EXPECT_EQ(bmp->drawable().bitmap()->pixel(1, 0), gdi::RGB(10, 20, 30));
    EXPECT_EQ(PictureRef::himetricToPixels(bmp->himetricWidth(), 96), 8);
    const auto ico = LoadPicture(dir.filePath("p.ico"));
    ASSERT_TRUE(ico.has_value());
    EXPECT_EQ(ico->type(), PictureRef::Type::Icon);
    EXPECT_EQ(gdi::Icon::alphaOf(ico->drawable().icon()->pixel(0, 0)), 0);
    EXPECT_EQ(ico->drawable().icon()->width(), 8);
    EXPECT_FALSE(LoadPicture(dir.filePath("missing.bmp")).has_value());
    QFile junk(dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_FALSE(LoadPicture(dir.filePath("junk.bmp")).has_value());
}
