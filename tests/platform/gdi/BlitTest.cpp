#include "platform/gdi/PixelHelpers.h"
#include "support/MaskedCopy.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/raster/Blit.h"

#include <gtest/gtest.h>

using namespace gdi;
using namespace gdi::test;

namespace {

TEST(BitBltTest, EachRasterOperationOnKnownPixels) {
    const COLORREF s = 0x00CC33AA, d = 0x00AA55F0;
    struct Case {
        RasterOp rop;
        COLORREF expected;
    };
    const Case cases[] = {{SRCCOPY, 0x00CC33AA},
                          {NOTSRCCOPY, 0x0033CC55},
                          {SRCAND, 0x008811A0},
                          {SRCINVERT, 0x0066665A}};
    for (const Case& c : cases) {
        DeviceContext src = makeDc(1, 1, s);
        DeviceContext dst = makeDc(1, 1, d);
        EXPECT_TRUE(BitBlt(dst, 0, 0, 1, 1, src, 0, 0, c.rop));
        EXPECT_EQ(dst.bitmap()->pixel(0, 0), c.expected) << std::hex << c.rop;
    }
}

TEST(BitBltTest, RefusesUnknownOperationsAndMissingBitmaps) {
    DeviceContext src = makeDc(1, 1, kRed);
    DeviceContext dst = makeDc(1, 1, kBlue);
    EXPECT_FALSE(BitBlt(dst, 0, 0, 1, 1, src, 0, 0, 0x00EE0086)); // SRCPAINT
    EXPECT_EQ(dst.bitmap()->pixel(0, 0), kBlue);
    DeviceContext empty;
    EXPECT_FALSE(BitBlt(dst, 0, 0, 1, 1, empty, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(empty, 0, 0, 1, 1, src, 0, 0, SRCCOPY));
}

TEST(BitBltTest, ClipsToBothBitmapsAndLeavesTheRestAlone) {
    DeviceContext src = makeDc(3, 2);
    paint(*src.bitmap(), {"abc", "def"},
          {{'a', 1}, {'b', 2}, {'c', 3}, {'d', 4}, {'e', 5}, {'f', 6}});
    DeviceContext dst = makeDc(4, 3, 9);
    // Source starts at column 1, so only two source columns exist; the
    // destination's last row lies outside the source.
    BitBlt(dst, 1, 1, 3, 3, src, 1, 0, SRCCOPY);
    const std::map<COLORREF, char> legend = {{9, '.'}, {2, 'b'}, {3, 'c'}, {5, 'e'}, {6, 'f'}};
    EXPECT_EQ(picture(*dst.bitmap(), legend), (Rows{"....", ".bc.", ".ef."}));

    DeviceContext left = makeDc(2, 2, 9);
    BitBlt(left, -1, 0, 3, 2, src, 0, 0, SRCCOPY);
    const std::map<COLORREF, char> legend2 = {{2, 'b'}, {3, 'c'}, {5, 'e'}, {6, 'f'}};
    EXPECT_EQ(picture(*left.bitmap(), legend2), (Rows{"bc", "ef"}));
}

TEST(BitBltTest, OverlappingCopyWithinOneBitmap) {
    DeviceContext dc = makeDc(4, 1);
    paint(*dc.bitmap(), {"abcd"}, {{'a', 1}, {'b', 2}, {'c', 3}, {'d', 4}});
    BitBlt(dc, 1, 0, 3, 1, dc, 0, 0, SRCCOPY);
    const std::map<COLORREF, char> legend = {{1, 'a'}, {2, 'b'}, {3, 'c'}};
    EXPECT_EQ(picture(*dc.bitmap(), legend), (Rows{"aabc"}));
}

TEST(BitBltTest, ColourToOneBitUsesTheSourceBackgroundOnly) {
    DeviceContext src = makeDc(3, 1);
    paint(*src.bitmap(), {"rgr"}, {{'r', kRed}, {'g', kGreen}});
    SetBkColor(src, kRed);
    SetTextColor(src, kGreen); // plays no part
    DeviceContext mask = makeDc(3, 1, 0, BitmapFormat::Mono);
    SetBkColor(mask, kBlue); // the destination's colours play no part either
    BitBlt(mask, 0, 0, 3, 1, src, 0, 0, SRCCOPY);
    EXPECT_EQ(picture(*mask.bitmap(), {{0, '0'}, {Bitmap::kMonoOne, '1'}}), (Rows{"101"}));

    // A system-colour reference is compared raw: no pixel can equal it.
    SetBkColor(src, 0x80000000 | COLOR_BTNSHADOW);
    src.bitmap()->fill(RGB(172, 168, 153));
    BitBlt(mask, 0, 0, 3, 1, src, 0, 0, SRCCOPY);
    EXPECT_EQ(picture(*mask.bitmap(), {{0, '0'}, {Bitmap::kMonoOne, '1'}}), (Rows{"000"}));
}

TEST(BitBltTest, OneBitToColourUsesTheDestinationColours) {
    DeviceContext mask = makeDc(2, 1, 0, BitmapFormat::Mono);
    mask.bitmap()->setPixel(1, 0, Bitmap::kMonoOne);
    SetBkColor(mask, kGreen);
    DeviceContext dst = makeDc(2, 1);
    SetBkColor(dst, kRed);
    SetTextColor(dst, 0x80000000 | COLOR_BTNFACE); // written pixels are resolved
    BitBlt(dst, 0, 0, 2, 1, mask, 0, 0, SRCCOPY);
    EXPECT_EQ(dst.bitmap()->pixel(0, 0), RGB(236, 233, 216));
    EXPECT_EQ(dst.bitmap()->pixel(1, 0), kRed);

    // Between one-bit bitmaps the bits are copied and inverted as they are.
    DeviceContext inverse = makeDc(2, 1, 0, BitmapFormat::Mono);
    BitBlt(inverse, 0, 0, 2, 1, mask, 0, 0, NOTSRCCOPY);
    EXPECT_EQ(picture(*inverse.bitmap(), {{0, '0'}, {Bitmap::kMonoOne, '1'}}), (Rows{"10"}));
}

TEST(BitBltTest, MaskSequenceKeysOutExactlyTheKeyColour) {
    DeviceContext sprite = makeDc(3, 2);
    paint(*sprite.bitmap(), {"k#k", "#r#"}, {{'k', 0x00010203}, {'#', kBlack}, {'r', kRed}});
    DeviceContext dst = makeDc(5, 3, kBlue);
    maskedCopy(dst, sprite, 3, 2, 1, 1, 0x00010203);
    const std::map<COLORREF, char> legend = {{kBlue, '.'}, {kBlack, '#'}, {kRed, 'r'}};
    EXPECT_EQ(picture(*dst.bitmap(), legend), (Rows{".....", "..#..", ".#r#."}));

    // Black as the key (the default mask colour) leaves the black pixels out.
    DeviceContext dst2 = makeDc(5, 3, kBlue);
    maskedCopy(dst2, sprite, 3, 2, 0, 0, kBlack);
    const std::map<COLORREF, char> legend2 = {
        {kBlue, '.'}, {0x00010203, 'k'}, {kBlack, '#'}, {kRed, 'r'}};
    EXPECT_EQ(picture(*dst2.bitmap(), legend2), (Rows{"k.k..", ".r...", "....."}));

    // A system-colour reference as key matches nothing: the whole sprite is copied.
    DeviceContext dst3 = makeDc(3, 2, kBlue);
    maskedCopy(dst3, sprite, 3, 2, 0, 0, 0x80000000);
    EXPECT_EQ(*dst3.bitmap(), *sprite.bitmap());
}

std::vector<COLORREF> stretchRow(const std::vector<COLORREF>& src, int destWidth) {
    DeviceContext s = makeDc(static_cast<int>(src.size()), 1);
    for (int i = 0; i < static_cast<int>(src.size()); ++i)
        s.bitmap()->setPixel(i, 0, src[static_cast<std::size_t>(i)]);
    DeviceContext d = makeDc(destWidth, 1, 0x00777777);
    EXPECT_TRUE(
        StretchBlt(d, 0, 0, destWidth, 1, s, 0, 0, static_cast<int>(src.size()), 1, SRCCOPY));
    return {d.bitmap()->row(0), d.bitmap()->row(0) + destWidth};
}

TEST(StretchBltTest, EnlargingRepeatsByTheCentreRule) {
    using V = std::vector<COLORREF>;
    EXPECT_EQ(stretchRow({1, 2}, 5), (V{1, 1, 1, 2, 2}));
    EXPECT_EQ(stretchRow({1, 2, 3}, 6), (V{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(stretchRow({1, 2, 3}, 4), (V{1, 2, 2, 3}));
    EXPECT_EQ(stretchRow({1, 2, 3}, 3), (V{1, 2, 3}));
}

TEST(StretchBltTest, ShrinkingAndsTheSourcePixelsOfEachDestinationPixel) {
    using V = std::vector<COLORREF>;
    EXPECT_EQ(stretchRow({0xF0, 0x3C, 0xFF, 0x0F}, 2), (V{0x30, 0x0F}));
    // 5 to 2: three source pixels, then two.
    EXPECT_EQ(stretchRow({0xFF, 0xFE, 0xFD, 0x0F, 0x0E}, 2), (V{0xFC, 0x0E}));
    EXPECT_EQ(stretchRow({0x11, 0x13, 0x17}, 1), (V{0x11}));
}

TEST(StretchBltTest, AxesScaleIndependentlyAndRasterOpsApply) {
    DeviceContext s = makeDc(2, 2);
    paint(*s.bitmap(), {"ab", "cd"}, {{'a', 0x0F}, {'b', 0xF0}, {'c', 0x3C}, {'d', 0xFF}});
    DeviceContext d = makeDc(4, 1, 0x00FFFF00);
    // x enlarged 2 -> 4, y shrunk 2 -> 1.
    StretchBlt(d, 0, 0, 4, 1, s, 0, 0, 2, 2, SRCINVERT);
    EXPECT_EQ(d.bitmap()->pixel(0, 0), 0x00FFFF0Cu);
    EXPECT_EQ(d.bitmap()->pixel(1, 0), 0x00FFFF0Cu);
    EXPECT_EQ(d.bitmap()->pixel(2, 0), 0x00FFFF00u ^ 0xF0u);
    EXPECT_EQ(d.bitmap()->pixel(3, 0), 0x00FFFF00u ^ 0xF0u);
}

TEST(StretchBltTest, ClipsAndRefusesMirroring) {
    DeviceContext s = makeDc(2, 1);
    paint(*s.bitmap(), {"ab"}, {{'a', 1}, {'b', 2}});
    DeviceContext d = makeDc(3, 1, 9);
    StretchBlt(d, -2, 0, 4, 1, s, 0, 0, 2, 1, SRCCOPY); // 1 1 2 2, first two off the bitmap
    EXPECT_EQ(d.bitmap()->pixel(0, 0), 2u);
    EXPECT_EQ(d.bitmap()->pixel(1, 0), 2u);
    EXPECT_EQ(d.bitmap()->pixel(2, 0), 9u);
    EXPECT_FALSE(StretchBlt(d, 0, 0, -2, 1, s, 0, 0, 2, 1, SRCCOPY));
    EXPECT_TRUE(StretchBlt(d, 0, 0, 0, 1, s, 0, 0, 2, 1, SRCCOPY));
}

TEST(StretchBltTest, HugeSizesMapOnlyTheVisiblePixels) {
    DeviceContext s = makeDc(2, 1);
    paint(*s.bitmap(), {"ab"}, {{'a', 1}, {'b', 2}});
    DeviceContext d = makeDc(3, 1, 9);
    // Destination column 0 is pixel 1e9 of 2e9: the second source pixel.
    EXPECT_TRUE(StretchBlt(d, -1000000000, 0, 2000000000, 1, s, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(picture(*d.bitmap(), {{1, 'a'}, {2, 'b'}}), (Rows{"bbb"}));
    // Shrinking a huge source range: the visible pixels AND whatever of it exists.
    EXPECT_TRUE(StretchBlt(d, 0, 0, 3, 1, s, 0, 0, 2000000000, 1, SRCCOPY));
    EXPECT_EQ(picture(*d.bitmap(), {{0, '0'}, {2, 'b'}}), (Rows{"0bb"}));
    EXPECT_TRUE(BitBlt(d, 2147483000, 0, 2000000000, 1, s, 0, 0, SRCCOPY));
}

TEST(BitmapFactoryTest, AbsurdSizesGiveNoBitmap) {
    DeviceContext dc;
    EXPECT_EQ(CreateCompatibleBitmap(dc, 100000, 100000), nullptr);
    EXPECT_EQ(CreateBitmap(1 << 20, 1 << 10, 1, 1), nullptr);
    ASSERT_NE(CreateBitmap(0, 5, 1, 1), nullptr);
    EXPECT_TRUE(CreateBitmap(0, 5, 1, 1)->isEmpty());
    SelectObject(dc, CreateCompatibleBitmap(dc, 100000, 100000));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, dc, 0, 0, SRCCOPY)); // no bitmap: nothing happens
}

} // namespace
