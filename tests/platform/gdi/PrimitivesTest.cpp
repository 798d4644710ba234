#include "platform/gdi/PixelHelpers.h"

#include "platform/gdi/Drawing.h"
#include "platform/gdi/objects/LightPalette.h"

#include <QPalette>

#include <gtest/gtest.h>

using namespace gdi;
using namespace gdi::test;

namespace {

const std::map<COLORREF, char> kLegend = {{kWhite, '.'}, {kRed, 'R'}, {kBlue, 'B'}, {kBlack, '#'}};

TEST(Color, ComposesClampsAndSplits) {
    EXPECT_EQ(RGB(1, 2, 3), 0x00030201u);
    EXPECT_EQ(RGB(300, -5, 255), 0x00FF00FFu);
    EXPECT_EQ(GetRValue(0x00336699), 0x99);
    EXPECT_EQ(GetGValue(0x00336699), 0x66);
    EXPECT_EQ(GetBValue(0x00336699), 0x33);
    EXPECT_TRUE(isSystemColorReference(0x8000000F));
    EXPECT_FALSE(isSystemColorReference(0x00FFFFFF));
}

TEST(SystemColorsTable, PinnedValuesAndResolution) {
    const SystemColors t = SystemColors::pinned();
    EXPECT_EQ(t.GetSysColor(COLOR_APPWORKSPACE), RGB(128, 128, 128));
    EXPECT_EQ(t.GetSysColor(COLOR_HIGHLIGHT), RGB(49, 106, 197));
    EXPECT_EQ(t.GetSysColor(COLOR_BTNFACE), RGB(236, 233, 216));
    EXPECT_EQ(t.GetSysColor(COLOR_BTNSHADOW), RGB(172, 168, 153));
    EXPECT_EQ(t.GetSysColor(COLOR_BTNTEXT), RGB(0, 0, 0));
    EXPECT_EQ(t.GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
    EXPECT_EQ(t.GetSysColor(COLOR_3DDKSHADOW), RGB(113, 111, 100));
    EXPECT_EQ(t.GetSysColor(COLOR_3DLIGHT), RGB(241, 239, 226));
    // Indices outside the table are black, also far out of range.
    EXPECT_EQ(t.GetSysColor(5), kBlack);
    EXPECT_EQ(t.GetSysColor(-1), kBlack);
    EXPECT_EQ(t.GetSysColor(1000), kBlack);
    EXPECT_EQ(t.resolve(0x80000010), RGB(172, 168, 153));
    EXPECT_EQ(t.resolve(0x00123456), 0x00123456u);
    // The index is the low 24 bits, not 8: 0x80000110 is index 0x110.
    EXPECT_EQ(t.resolve(0x80000110), kBlack);
}

TEST(SystemColorsTable, FromPaletteMapsTheRoles) {
    QPalette p;
    p.setColor(QPalette::Button, QColor(1, 2, 3));
    p.setColor(QPalette::Dark, QColor(4, 5, 6));
    p.setColor(QPalette::ButtonText, QColor(7, 8, 9));
    p.setColor(QPalette::Highlight, QColor(10, 11, 12));
    p.setColor(QPalette::Shadow, QColor(13, 14, 15));
    p.setColor(QPalette::Midlight, QColor(16, 17, 18));
    p.setColor(QPalette::Light, QColor(19, 20, 21));
    const SystemColors t = SystemColors::fromPalette(p);
    EXPECT_EQ(t.GetSysColor(COLOR_BTNFACE), RGB(1, 2, 3));
    EXPECT_EQ(t.GetSysColor(COLOR_BTNSHADOW), RGB(4, 5, 6));
    EXPECT_EQ(t.GetSysColor(COLOR_APPWORKSPACE), RGB(4, 5, 6));
    EXPECT_EQ(t.GetSysColor(COLOR_BTNTEXT), RGB(7, 8, 9));
    EXPECT_EQ(t.GetSysColor(COLOR_HIGHLIGHT), RGB(10, 11, 12));
    EXPECT_EQ(t.GetSysColor(COLOR_3DDKSHADOW), RGB(13, 14, 15));
    EXPECT_EQ(t.GetSysColor(COLOR_3DLIGHT), RGB(16, 17, 18));
    EXPECT_EQ(t.GetSysColor(COLOR_BTNHIGHLIGHT), RGB(19, 20, 21));
}

// On a dark desktop (GTK's Adwaita dark, KDE's Breeze dark) the buttons keep
// light faces, shaded lighter and darker around them, with black text and the
// desktop's own highlight.
TEST(SystemColorsTable, FromADarkPaletteKeepsLightShadedFacesAndBlackText) {
    QPalette breeze(QColor(49, 54, 59), QColor(42, 46, 50));
    breeze.setColor(QPalette::WindowText, QColor(252, 252, 252));
    breeze.setColor(QPalette::Highlight, QColor(61, 174, 233));
    for (const QPalette& dark : {adwaitaDarkPalette(), breeze}) {
        const SystemColors t = SystemColors::fromPalette(dark);
        const auto lightness = [&](int index) {
            const COLORREF c = t.GetSysColor(index);
            return QColor(GetRValue(c), GetGValue(c), GetBValue(c)).lightness();
        };
        const QColor button = dark.color(QPalette::Button);
        SCOPED_TRACE(button.name().toStdString());
        EXPECT_GE(lightness(COLOR_BTNFACE), 200);
        EXPECT_EQ(t.GetSysColor(COLOR_BTNTEXT), kBlack);
        const QColor highlight = dark.color(QPalette::Highlight);
        EXPECT_EQ(t.GetSysColor(COLOR_HIGHLIGHT),
                  RGB(highlight.red(), highlight.green(), highlight.blue()));
        EXPECT_GT(lightness(COLOR_BTNHIGHLIGHT), lightness(COLOR_BTNFACE));
        EXPECT_LT(lightness(COLOR_BTNSHADOW), lightness(COLOR_BTNFACE));
        EXPECT_LT(lightness(COLOR_3DDKSHADOW), lightness(COLOR_BTNSHADOW));
    }
}

TEST(DeviceContextState, NewContextDefaultsAndSelectReturnsDisplaced) {
    DeviceContext dc;
    EXPECT_EQ(dc.textColor(), kBlack);
    EXPECT_EQ(dc.bkColor(), kWhite);
    EXPECT_EQ(dc.bitmap(), nullptr);
    EXPECT_EQ(SetBkColor(dc, kRed), kWhite);
    EXPECT_EQ(SetTextColor(dc, kBlue), kBlack);
    EXPECT_EQ(SelectObject(dc, CreatePen(PS_SOLID, 1, kRed)).color, kBlack);
    EXPECT_EQ(SelectObject(dc, CreatePen(PS_SOLID, 1, kBlue)).color, kRed);

    auto first = CreateCompatibleBitmap(dc, 3, 2);
    EXPECT_FALSE(first->isMono()); // a fresh context counts as colour
    EXPECT_EQ(SelectObject(dc, first), nullptr);
    EXPECT_EQ(dc.width(), 3);
    EXPECT_TRUE(CreateBitmap(4, 4, 1, 1)->isMono());
    auto taken = dc.takeBitmap();
    EXPECT_EQ(taken, first);
    EXPECT_EQ(dc.bitmap(), nullptr);

    DeviceContext mono = makeDc(2, 2, 0, BitmapFormat::Mono);
    EXPECT_TRUE(CreateCompatibleBitmap(mono, 2, 2)->isMono());
    DeviceContext scratch = CreateCompatibleDC(mono);
    EXPECT_EQ(scratch.bitmap(), nullptr);
}

TEST(FillRectTest, RightAndBottomExclusiveClippedAndEmpty) {
    struct Case {
        Rect r;
        Rows expected;
    };
    const Case cases[] = {
        {{1, 1, 3, 2}, {"....", ".RR.", "...."}},
        {{-2, -2, 1, 1}, {"R...", "....", "...."}},
        {{2, 1, 9, 9}, {"....", "..RR", "..RR"}},
        {{2, 1, 2, 3}, {"....", "....", "...."}}, // zero width
        {{3, 2, 1, 1}, {"....", "....", "...."}}, // reversed
    };
    for (const Case& c : cases) {
        DeviceContext dc = makeDc(4, 3);
        FillRect(dc, c.r, CreateSolidBrush(kRed));
        EXPECT_EQ(picture(*dc.bitmap(), kLegend), c.expected)
            << c.r.left << "," << c.r.top << "," << c.r.right << "," << c.r.bottom;
    }
}

TEST(FillRectTest, SystemColourBrushResolvesThroughTheContext) {
    DeviceContext dc = makeDc(1, 1);
    FillRect(dc, {0, 0, 1, 1}, CreateSolidBrush(0x80000000 | COLOR_BTNSHADOW));
    EXPECT_EQ(dc.bitmap()->pixel(0, 0), RGB(172, 168, 153));
}

TEST(FillRectTest, OneBitBitmapTakesTheNearerOfBlackAndWhite) {
    DeviceContext dc = makeDc(3, 1, 0, BitmapFormat::Mono);
    FillRect(dc, {0, 0, 1, 1}, CreateSolidBrush(RGB(128, 128, 127))); // sum 383
    FillRect(dc, {1, 0, 2, 1}, CreateSolidBrush(RGB(128, 127, 127))); // sum 382
    FillRect(dc, {2, 0, 3, 1}, CreateSolidBrush(kWhite));
    EXPECT_TRUE(dc.bitmap()->bit(0, 0));
    EXPECT_FALSE(dc.bitmap()->bit(1, 0));
    EXPECT_EQ(dc.bitmap()->pixel(2, 0), Bitmap::kMonoOne);

    Bitmap colour(1, 1);
    colour.fill(0x80123456); // only the colour bits are kept
    EXPECT_EQ(colour.pixel(0, 0), 0x00123456u);
    dc.bitmap()->fill(RGB(200, 200, 200));
    EXPECT_EQ(dc.bitmap()->pixel(1, 0), Bitmap::kMonoOne);
}

TEST(FrameRectTest, BorderOnlyAndTwoColourEdgeBeyondTheBitmap) {
    DeviceContext dc = makeDc(5, 4);
    FrameRect(dc, {0, 0, 5, 4}, CreateSolidBrush(kBlue));
    FrameRect(dc, {0, 0, 6, 5}, CreateSolidBrush(kRed)); // only top and left visible
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), (Rows{"RRRRR", "R...B", "R...B", "RBBBB"}));

    DeviceContext thin = makeDc(4, 3);
    FrameRect(thin, {1, 0, 2, 3}, CreateSolidBrush(kRed));  // one column wide
    FrameRect(thin, {2, 1, 2, 3}, CreateSolidBrush(kBlue)); // empty: nothing
    EXPECT_EQ(picture(*thin.bitmap(), kLegend), (Rows{".R..", ".R..", ".R.."}));
}

TEST(LineToTest, EndPixelExcludedInEveryDirection) {
    struct Case {
        Point from, to;
        Rows expected;
    };
    const Case cases[] = {
        {{1, 1}, {4, 1}, {".....", ".RRR.", ".....", "....."}},
        {{4, 1}, {1, 1}, {".....", "..RRR", ".....", "....."}},
        {{2, 0}, {2, 3}, {"..R..", "..R..", "..R..", "....."}},
        {{2, 3}, {2, 0}, {".....", "..R..", "..R..", "..R.."}},
        {{2, 2}, {2, 2}, {".....", ".....", ".....", "....."}},
        {{-3, 0}, {9, 0}, {"RRRRR", ".....", ".....", "....."}},
        {{0, 0}, {3, 3}, {"R....", ".R...", "..R..", "....."}},
    };
    for (const Case& c : cases) {
        DeviceContext dc = makeDc(5, 4);
        SelectObject(dc, CreatePen(PS_SOLID, 1, kRed));
        MoveToEx(dc, c.from.x, c.from.y);
        LineTo(dc, c.to.x, c.to.y);
        EXPECT_EQ(picture(*dc.bitmap(), kLegend), c.expected)
            << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
        EXPECT_EQ(dc.currentPosition(), c.to);
    }
}

TEST(LineToTest, ContinuesFromTheCurrentPosition) {
    DeviceContext dc = makeDc(4, 3);
    SelectObject(dc, CreatePen(PS_SOLID, 1, kRed));
    EXPECT_EQ(MoveToEx(dc, 0, 0), (Point{0, 0}));
    LineTo(dc, 3, 0);
    LineTo(dc, 3, 2);
    // The corner pixel is the second line's start.
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), (Rows{"RRRR", "...R", "...."}));
}

TEST(SetPixelVTest, InsideSetsOutsideIgnored) {
    DeviceContext dc = makeDc(2, 2);
    SetPixelV(dc, 1, 0, kRed);
    SetPixelV(dc, 2, 0, kRed);
    SetPixelV(dc, -1, 1, kRed);
    SetPixelV(dc, 0, 2, kRed);
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), (Rows{".R", ".."}));
}

TEST(DrawFocusRectTest, DotsWhereXPlusYIsEvenAndTwiceRestores) {
    DeviceContext dc = makeDc(7, 5);
    DrawFocusRect(dc, {1, 0, 7, 5});
    // Inverted white is black.
    EXPECT_EQ(picture(*dc.bitmap(), kLegend),
              (Rows{"..#.#.#", ".#.....", "......#", ".#.....", "..#.#.#"}));
    DrawFocusRect(dc, {1, 0, 7, 5});
    EXPECT_EQ(picture(*dc.bitmap(), kLegend), Rows(5, "......."));
}

TEST(DrawFocusRectTest, InvertsColoursAndDegenerateRectanglesStillRestore) {
    DeviceContext dc = makeDc(4, 4, RGB(0x12, 0x34, 0x56));
    DrawFocusRect(dc, {0, 0, 4, 4});
    EXPECT_EQ(dc.bitmap()->pixel(0, 0), RGB(0xED, 0xCB, 0xA9));
    EXPECT_EQ(dc.bitmap()->pixel(1, 0), RGB(0x12, 0x34, 0x56));

    for (const Rect r : {Rect{0, 1, 4, 2}, Rect{2, 0, 3, 4}, Rect{1, 1, 2, 2}}) {
        DeviceContext once = makeDc(4, 4);
        DrawFocusRect(once, r);
        int inverted = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                inverted += once.bitmap()->pixel(x, y) == kBlack;
        EXPECT_GT(inverted, 0); // a one-pixel-thick strip is not inverted twice
        DrawFocusRect(once, r);
        EXPECT_EQ(picture(*once.bitmap(), kLegend), Rows(4, "...."));
    }
}

} // namespace
