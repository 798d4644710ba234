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

TEST(PicturePainting, MaskColourIsKeyedOut) {
    struct Case {
        const char* name;
        OleColor mask;
        gdi::COLORREF left, right;
    };
    const Case cases[] = {
        {"default 0: black is transparent", 0, kFace, kRed},
        {"red key", 0x0000FF, gdi::RGB(0, 0, 0), kFace},
        {"a system colour reference matches nothing", sysColorRef(15), gdi::RGB(0, 0, 0), kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureFixture f(ButtonStyleStandard, halves());
        f.button->setMaskColor(c.mask);
        EXPECT_EQ(f.px(40, 20), c.left);
        EXPECT_EQ(f.px(60, 20), c.right);
    }
}

TEST(PicturePainting, ScaledFromTheNaturalSize) {
    QImage img(2, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(0, 0, 255));
    img.setPixel(1, 0, qRgb(255, 0, 0));
    PropertyBag bag = PictureFixture::bagWith(PictureRef::fromImage(img), QString());
    bag.set(QStringLiteral("OriginalPicSizeW"), PropertyValue::int32(2));
    bag.set(QStringLiteral("OriginalPicSizeH"), PropertyValue::int32(1));
    Fixture f(ButtonStyleStandard, 100, 40, bag);
    EXPECT_EQ(f.px(34, 4), kBlue);
    EXPECT_EQ(f.px(49, 35), kBlue);
    EXPECT_EQ(f.px(50, 4), kRed);
    EXPECT_EQ(f.px(65, 35), kRed);
}

TEST(PicturePainting, OffsetsPerStyleAndState) {
    struct Case {
        const char* name;
        std::int32_t style;
        std::uint8_t over, pressed;
        gdi::Point picture; // top-left of the drawn picture
        bool shadow;
    };
    const Case cases[] = {
        {"standard normal", ButtonStyleStandard, 0, 0, {34, 4}, false},
        {"standard pressed", ButtonStyleStandard, 1, 1, {35, 5}, false},
        {"flat armed", ButtonStyleFlat, 0, 1, {35, 5}, false},
        {"no border pressed", ButtonStyleNoBorder, 1, 1, {35, 5}, false},
        {"xp hover rises", ButtonStyleXP, 1, 0, {31, 1}, true},
        {"xp pressed stays", ButtonStyleXP, 1, 1, {34, 4}, false},
        {"standard hover", ButtonStyleStandard, 1, 0, {34, 4}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PictureFixture f(c.style, solid(qRgb(255, 0, 0)));
        f.s().g_IsOver = c.over;
        f.s().g_IsPressed = c.pressed;
        f.refresh();
        const int x = c.picture.x, y = c.picture.y;
        EXPECT_EQ(f.px(x, y), kRed);
        EXPECT_EQ(f.px(x + 31, y + 31), kRed);
        EXPECT_NE(f.px(x - 1, y + 10), kRed);
        EXPECT_NE(f.px(x + 32, y + 10), kRed);
        // The grey silhouette at the resting place shows where the risen picture does not cover it.
        EXPECT_EQ(f.px(65, 35) == kGrey, c.shadow);
        EXPECT_EQ(f.px(34, 35) == kGrey, c.shadow);
        EXPECT_EQ(f.s().g_PictureRect, (gdi::Rect{34, 4, 66, 36})); // offset undone
    }
}

TEST(PicturePainting, HoveredXpShadowLeavesMaskedPixelsAlone) {
    PictureFixture f(ButtonStyleXP, halves());
    f.s().g_IsOver = 1;
    f.refresh();
    EXPECT_EQ(f.px(61, 34), kGrey);      // under the red half's resting place
    EXPECT_EQ(f.px(40, 34), kHoverTint); // the black half is keyed out of the shadow too
    EXPECT_EQ(f.px(45, 10), kHoverTint);
}

TEST(PicturePainting, DisabledPictureIsEmbossed) {
    PictureFixture f(ButtonStyleStandard, halves());
    f.button->setEnabled(false);
    EXPECT_EQ(f.px(50, 4), kShadow); // red half: shadow in place
    EXPECT_EQ(f.px(65, 35), kShadow);
    EXPECT_EQ(f.px(66, 36), kHighlight); // and highlight one pixel right and down
    EXPECT_EQ(f.px(66, 5), kHighlight);
    EXPECT_EQ(f.px(40, 20), kFace); // the keyed-out half stays transparent
    EXPECT_EQ(f.px(49, 20), kFace);
}

TEST(PicturePainting, OtherPictureTypesAreLaidOutButNotDrawn) {
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 0));
    PictureFixture f(ButtonStyleStandard, PictureRef::fromImage(img, PictureRef::Type(2)));
    EXPECT_EQ(f.s().g_PictureRect, (gdi::Rect{34, 4, 66, 36}));
    EXPECT_EQ(f.px(50, 20), kFace);
    PictureFixture empty(ButtonStyleStandard, PictureRef::empty());
    EXPECT_EQ(empty.s().g_PictureRect, (gdi::Rect{34, 4, 66, 36}));
    EXPECT_EQ(empty.px(50, 20), kFace);
}

TEST(PicturePainting, IconsKeepTheirOwnTransparencyAndEmboss) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 16; x < 32; ++x)
            img.setPixel(x, y, qRgba(0, 0, 0, 255)); // opaque black: not keyed out
    PictureFixture f(ButtonStyleStandard, PictureRef::fromImage(img, PictureRef::Type::Icon));
    EXPECT_EQ(f.px(40, 20), kFace);
    EXPECT_EQ(f.px(60, 20), gdi::RGB(0, 0, 0));
    f.button->setEnabled(false);
    EXPECT_EQ(f.px(40, 20), kFace);
    EXPECT_EQ(f.px(60, 20), kShadow);
    // The embossed icon is drawn at its natural size first, so the highlight
    // beyond its right and bottom edges is cut off.
    EXPECT_EQ(f.px(66, 36), kFace);

    PictureFixture xp(ButtonStyleXP, PictureRef::fromImage(img, PictureRef::Type::Icon));
    xp.s().g_IsOver = 1;
    xp.refresh();
    EXPECT_EQ(xp.px(57, 30), gdi::RGB(0, 0, 0)); // risen icon
    EXPECT_EQ(xp.px(65, 35), kGrey);             // its silhouette at rest
    EXPECT_EQ(xp.px(40, 34), kHoverTint);
}

TEST(PicturePainting, AnIconDrawsItsNaturalSizeRegionScaledToTheDrawingSize) {
    // A 4 x 4 icon: red top-left 2 x 2, blue elsewhere.
    QImage img(4, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(x, y, x < 2 && y < 2 ? qRgba(255, 0, 0, 255) : qRgba(0, 0, 255, 255));
    struct Case {
        int natural;
        gdi::COLORREF at45x10, at65x35;
    };
    // 2: only the red corner, scaled over the whole 32 x 32 picture at (34, 4);
    // 8: the icon fills the top-left quarter, the rest of the region is transparent.
    const Case cases[] = {{4, kRed, kBlue}, {2, kRed, kRed}, {8, kBlue, kFace}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.natural);
        PropertyBag bag =
            PictureFixture::bagWith(PictureRef::fromImage(img, PictureRef::Type::Icon), QString());
        bag.set(QStringLiteral("OriginalPicSizeW"), PropertyValue::int32(c.natural));
        bag.set(QStringLiteral("OriginalPicSizeH"), PropertyValue::int32(c.natural));
        Fixture f(ButtonStyleStandard, 100, 40, bag);
        ASSERT_EQ(f.s().g_PictureRect, (gdi::Rect{34, 4, 66, 36}));
        EXPECT_EQ(f.px(34, 4), kRed);
        EXPECT_EQ(f.px(45, 10), c.at45x10);
        EXPECT_EQ(f.px(65, 35), c.at65x35);
    }
}
