#include "platform/gdi/PixelHelpers.h"

#include "platform/gdi/DrawState.h"

#include <gtest/gtest.h>

using namespace gdi;
using namespace gdi::test;

namespace {

const COLORREF kHighlight = RGB(255, 255, 255); // pinned button highlight
const COLORREF kShadow = RGB(172, 168, 153);    // pinned button shadow

Bitmap sample() {
    // White is background; black and red are foreground.
    Bitmap b(3, 2);
    paint(b, {"w#w", "#rw"}, {{'w', kWhite}, {'#', kBlack}, {'r', kRed}});
    return b;
}

const std::map<COLORREF, char> kLegend = {{kBlue, '.'}, {kWhite, 'w'}, {kBlack, '#'},
                                          {kRed, 'r'},  {kGreen, 'G'}, {kShadow, 's'}};

TEST(DrawStateTest, NormalBitmapIsCopiedAtNaturalSize) {
    DeviceContext dc = makeDc(5, 3, kBlue);
    EXPECT_TRUE(DrawStateA(dc, std::nullopt, sample(), 2, 1, DST_BITMAP | DSS_NORMAL));
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), (Rows{".....", "..w#w", "..#rw"}));
}

TEST(DrawStateTest, SilhouettePaintsEveryNonWhitePixelInTheBrush) {
    DeviceContext dc = makeDc(4, 3, kBlue);
    EXPECT_TRUE(DrawStateA(dc, CreateSolidBrush(kGreen), sample(), 1, 1, DST_BITMAP | DSS_MONO));
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), (Rows{"....", "..G.", ".GG."}));

    // Without a brush the selected one is used.
    DeviceContext dc2 = makeDc(3, 2, kBlue);
    SelectObject(dc2, CreateSolidBrush(kRed));
    DrawStateA(dc2, std::nullopt, sample(), 0, 0, 0x0084);
    EXPECT_EQ(picture(*dc2.bitmap(), kLegend), (Rows{".r.", "rr."}));
}

TEST(DrawStateTest, DisabledEmbossesHighlightDownRightThenShadowInPlace) {
    DeviceContext dc = makeDc(5, 4, kBlue);
    EXPECT_TRUE(DrawStateA(dc, std::nullopt, sample(), 1, 1, 0x0024));
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), (Rows{".....", "..s..", ".ssw.", "..ww."}));
    // The highlight row below the image reaches past the image's own rectangle.
    EXPECT_EQ(dc.bitmap()->pixel(2, 3), kHighlight);
}

TEST(DrawStateTest, WrongTypeOrUnknownStateDrawsNothing) {
    DeviceContext dc = makeDc(3, 2, kBlue);
    EXPECT_FALSE(DrawStateA(dc, std::nullopt, sample(), 0, 0, DST_ICON | DSS_MONO));
    EXPECT_FALSE(DrawStateA(dc, std::nullopt, sample(), 0, 0, DST_BITMAP | 0x0010));
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), (Rows{"...", "..."}));
}

Icon sampleIcon() {
    // Opaque red, opaque white, transparent, half-transparent black.
    Icon icon(4, 1);
    icon.setPixel(0, 0, 0xFF000000 | kRed);
    icon.setPixel(1, 0, 0xFF000000 | kWhite);
    icon.setPixel(2, 0, 0x00000000 | kRed);
    icon.setPixel(3, 0, 0x80000000 | kBlack);
    return icon;
}

TEST(DrawStateTest, IconStatesJudgeTheIconBlendedOverWhite) {
    const Icon icon = sampleIcon();
    const Bitmap white = icon.onWhite();
    EXPECT_EQ(white.pixel(0, 0), kRed);
    EXPECT_EQ(white.pixel(1, 0), kWhite);
    EXPECT_EQ(white.pixel(2, 0), kWhite);
    EXPECT_EQ(white.pixel(3, 0), RGB(127, 127, 127));

    DeviceContext mono = makeDc(4, 1, kBlue);
    EXPECT_TRUE(DrawStateA(mono, CreateSolidBrush(kGreen), icon, 0, 0, 0x0083));
    EXPECT_EQ(picture(*mono.bitmap(), kLegend), (Rows{"G..G"}));

    DeviceContext disabled = makeDc(5, 2, kBlue);
    EXPECT_TRUE(DrawStateA(disabled, std::nullopt, icon, 0, 0, 0x0023));
    EXPECT_EQ(picture(*disabled.bitmap(), kLegend), (Rows{"s..s.", ".w..w"}));

    DeviceContext normal = makeDc(4, 1, kBlue);
    EXPECT_TRUE(DrawStateA(normal, std::nullopt, icon, 0, 0, DST_ICON | DSS_NORMAL));
    EXPECT_EQ(normal.bitmap()->pixel(0, 0), kRed);
    EXPECT_EQ(normal.bitmap()->pixel(1, 0), kWhite);
    EXPECT_EQ(normal.bitmap()->pixel(2, 0), kBlue);
    EXPECT_EQ(normal.bitmap()->pixel(3, 0), RGB(0, 0, 127)); // half black over blue
}

TEST(DrawIconExTest, ScalesByCentreSampleAndKeepsTransparency) {
    DeviceContext dc = makeDc(8, 2, kBlue);
    DrawIconEx(dc, 0, 0, sampleIcon(), 8, 2);
    EXPECT_EQ(picture(*dc.bitmap(), {{kBlue, '.'}, {kWhite, 'w'}, {kRed, 'r'}, {0x7F0000, 'h'}}),
              (Rows{"rrww..hh", "rrww..hh"}));
}

} // namespace
