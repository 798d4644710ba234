#include "anybutton/TestSupport.h"

#include "anybutton/painting/ColorMath.h"
#include "anybutton/styles/RoundedPainter.h"

#include <gtest/gtest.h>

using namespace anybutton;
using namespace anybutton::test;
using V = PropertyValue;

namespace {

// A 100 x 20 rounded button on a face of RGB(100, 120, 140): base is that
// shaded by 48, RGB(148, 168, 175).
const gdi::COLORREF kBack = gdi::RGB(100, 120, 140);
const OleColor kBase = static_cast<OleColor>(gdi::RGB(148, 168, 175));
const gdi::COLORREF kFocus = gdi::RGB(140, 170, 230);
const gdi::COLORREF kHover = gdi::RGB(225, 153, 71);

gdi::COLORREF shade(OleColor c, int amount) {
    return static_cast<gdi::COLORREF>(ShadeColor(c, amount));
}

struct Rounded : Fixture {
    Rounded() : Fixture(ButtonStyleRounded, 100, 20, backBag()) {}
    static PropertyBag backBag() {
        PropertyBag b;
        b.set(QStringLiteral("BackColor"), V::int32(static_cast<std::int32_t>(kBack)));
        return b;
    }
};

void expectCorners(const Fixture& f, gdi::COLORREF c) {
    for (auto [x, y] : {std::pair{1, 1}, {1, 18}, {98, 1}, {98, 18}})
        EXPECT_EQ(f.px(x, y), c) << x << "," << y;
}

} // namespace

TEST(RoundedStyle, IdleGradientDarkensPerRowRoundingHalvesToEven) {
    Rounded f;
    // 25 / 20 = 1.25 per row: 2.5 -> 2, 7.5 -> 8, 12.5 -> 12, 17.5 -> 18.
    const int darker[] = {1, 2, 4, 5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 18, 19, 20, 21};
    for (int y = 3; y <= 16; ++y)
        EXPECT_EQ(f.px(50, y), shade(kBase, -darker[y - 1])) << "row " << y;
    EXPECT_EQ(f.px(50, 6), gdi::RGB(140, 160, 168));
    EXPECT_EQ(f.px(50, 0), kDarkShadow); // frame
    EXPECT_EQ(f.px(50, 19), kDarkShadow);
    EXPECT_EQ(f.px(0, 10), kDarkShadow);
    EXPECT_EQ(f.px(99, 10), kDarkShadow);
    expectCorners(f, kDarkShadow);
}

TEST(RoundedStyle, IdleEdges) {
    Rounded f;
    struct Px {
        int x, y, amount;
    };
    for (const Px& p :
         {Px{50, 18, -48}, Px{50, 17, -32}, Px{98, 10, -36}, Px{97, 10, -24}, Px{50, 1, 16},
          Px{50, 2, 10}, Px{1, 10, -5}, Px{2, 10, -10}, Px{1, 2, -5}, Px{2, 2, 10}, Px{97, 2, 10},
          Px{98, 2, -36}, Px{1, 17, -5}, Px{97, 17, -32}, Px{2, 17, -32}})
        EXPECT_EQ(f.px(p.x, p.y), shade(kBase, p.amount)) << p.x << "," << p.y;
    EXPECT_EQ(f.px(50, 18), gdi::RGB(100, 120, 132));
}

TEST(RoundedStyle, FocusRingReplacesTheIdleEdges) {
    Rounded f;
    f.s().g_HasFocus = 1;
    f.refresh();
    struct Px {
        int x, y, amount;
    };
    for (const Px& p : {Px{50, 18, -33}, Px{50, 1, 65}, Px{50, 2, 50}, Px{98, 2, 50}, Px{2, 10, 31},
                        Px{97, 10, 31}})
        EXPECT_EQ(f.px(p.x, p.y), shade(static_cast<OleColor>(kFocus), p.amount))
            << p.x << "," << p.y;
    EXPECT_EQ(f.px(50, 1), gdi::RGB(205, 235, 255));
    EXPECT_EQ(f.px(1, 10), kFocus); // frame (1, 2, W - 1, H - 2)
    EXPECT_EQ(f.px(98, 10), kFocus);
    EXPECT_EQ(f.px(50, 17), kFocus);
    EXPECT_EQ(f.px(50, 10), shade(kBase, -12));
    expectCorners(f, kDarkShadow);
}

TEST(RoundedStyle, HoverRingOverTheEdges) {
    Rounded f;
    f.s().g_IsOver = 1;
    f.s().g_HasFocus = 1;
    f.refresh();
    struct Px {
        int x, y, amount;
    };
    for (const Px& p :
         {Px{50, 18, -40}, Px{50, 1, 90}, Px{50, 2, 35}, Px{2, 10, 20}, Px{97, 10, 20}})
        EXPECT_EQ(f.px(p.x, p.y), shade(static_cast<OleColor>(kHover), p.amount))
            << p.x << "," << p.y;
    EXPECT_EQ(f.px(1, 10), kHover);
    EXPECT_EQ(f.px(50, 1), gdi::RGB(255, 243, 104));
}

TEST(RoundedStyle, OwnRingColoursWhenNotDefault) {
    Rounded f;
    f.s().g_XPDefaultColors = false;
    f.s().g_XPColor_Hover = static_cast<OleColor>(gdi::RGB(0, 100, 0));
    f.s().g_IsOver = 1;
    f.refresh();
    EXPECT_EQ(f.px(1, 10), gdi::RGB(0, 100, 0));
    EXPECT_EQ(f.px(50, 18), gdi::RGB(0, 60, 0));
}

TEST(RoundedStyle, PressedGradientFromTheBottom) {
    Rounded f;
    f.s().g_IsPressed = 1;
    f.s().g_IsOver = 1;
    f.s().g_HasFocus = 1;
    f.refresh();
    const OleColor base = ShadeColor(kBase, -32);
    // 15 / 20 = 0.75 per row counted from the bottom: row 10 is i = 10, 7.5 -> 8.
    struct Row {
        int y, amount;
    };
    for (const Row& r :
         {Row{16, -3}, Row{14, -4}, Row{10, -8}, Row{8, -9}, Row{5, -11}, Row{3, -13}})
        EXPECT_EQ(f.px(50, r.y), shade(base, r.amount)) << "row " << r.y;
    struct Px {
        int x, y, amount;
    };
    for (const Px& p :
         {Px{50, 18, 16}, Px{50, 17, 10}, Px{98, 10, 5}, Px{97, 10, 0}, Px{50, 1, -32},
          Px{50, 2, -24}, Px{1, 10, -32}, Px{2, 10, -22}, Px{2, 2, -22}})
        EXPECT_EQ(f.px(p.x, p.y), shade(base, p.amount)) << p.x << "," << p.y;
    expectCorners(f, kDarkShadow);
    EXPECT_EQ(f.px(50, 0), kDarkShadow);
}

TEST(RoundedStyle, DisabledFaceIsFlat) {
    Rounded f;
    f.s().surfaceEnabled = false;
    f.s().g_IsOver = 1;
    f.s().g_HasFocus = 1;
    f.refresh();
    const OleColor t = ShadeColor(static_cast<OleColor>(kBack), 48);
    for (auto [x, y] : {std::pair{50, 10}, {50, 2}, {2, 10}, {50, 18}, {97, 17}})
        EXPECT_EQ(f.px(x, y), shade(t, -24));
    EXPECT_EQ(f.px(50, 10), gdi::RGB(124, 144, 154));
    EXPECT_EQ(f.px(0, 10), shade(t, -84));
    EXPECT_EQ(f.px(50, 19), shade(t, -84));
    expectCorners(f, shade(t, -72));
}

TEST(RoundedStyle, DesignModeShowsTheIdleFace) {
    Rounded f;
    f.container.running = false;
    f.s().g_IsPressed = 1;
    f.s().g_IsOver = 1;
    f.refresh();
    EXPECT_EQ(f.px(50, 18), shade(kBase, -48));
    EXPECT_EQ(f.px(50, 6), gdi::RGB(140, 160, 168));
}

TEST(RoundedStyle, AnyOtherStateOnlyFillsTheFace) {
    Rounded f;
    const PaintLook look = PaintLook::of(f.s(), f.container, gdi::SystemColors::pinned());
    PaintRoundedFace(look, const_cast<gdi::DeviceContext&>(f.button->backImage()), 1, 1);
    EXPECT_EQ(f.px(50, 10), kBack);
    EXPECT_EQ(f.px(0, 0), kBack);
    EXPECT_EQ(f.px(1, 1), kBack);
}

TEST(RoundedStyle, RegionClipsThreePixelsAtEachCorner) {
    ButtonState s;
    s.g_Width = 20;
    s.g_Height = 10;
    const gdi::Region r = BuildRoundedRegion(s);
    int outside = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            outside += r.contains(x, y) ? 0 : 1;
    EXPECT_EQ(outside, 12);
    for (auto [x, y] : {std::pair{0, 0},
                        {1, 0},
                        {0, 1},
                        {19, 0},
                        {18, 0},
                        {19, 1},
                        {0, 9},
                        {1, 9},
                        {0, 8},
                        {19, 9},
                        {18, 9},
                        {19, 8}})
        EXPECT_FALSE(r.contains(x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 1}, {2, 0}, {0, 2}, {18, 8}, {17, 9}})
        EXPECT_TRUE(r.contains(x, y)) << x << "," << y;
}
