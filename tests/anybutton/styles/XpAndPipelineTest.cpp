#include "anybutton/TestSupport.h"

#include "anybutton/pipeline/PaintPipeline.h"

#include <gtest/gtest.h>

using namespace anybutton;
using namespace anybutton::test;

namespace {
const gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
const gdi::COLORREF kHoverTint = gdi::RGB(220, 255, 255);
const gdi::COLORREF kPressedTint = gdi::RGB(205, 245, 255);
const gdi::COLORREF k3DLight = gdi::RGB(241, 239, 226);
} // namespace

TEST(XpStyle, TintAndBorderPerState) {
    struct Case {
        const char* name;
        std::uint8_t over, pressed;
        bool borderAlways, running;
        gdi::COLORREF face, edge;
    };
    const Case cases[] = {
        {"normal", 0, 0, false, true, kFace, kFace},
        {"normal, border always", 0, 0, true, true, kFace, kBlack},
        {"hover", 1, 0, false, true, kHoverTint, kBlack},
        {"pressed", 1, 1, false, true, kPressedTint, kBlack},
        {"armed", 0, 1, false, true, kPressedTint, kPressedTint},
        {"design, border always", 0, 0, true, false, kFace, kFace},
        {"design, hover", 1, 0, false, false, kHoverTint, kHoverTint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(ButtonStyleXP, 80, 24);
        f.container.running = c.running;
        f.s().g_IsOver = c.over;
        f.s().g_IsPressed = c.pressed;
        f.s().g_XPShowBorderAlways = c.borderAlways;
        f.refresh();
        EXPECT_EQ(f.px(40, 12), c.face);
        EXPECT_EQ(f.px(0, 0), c.edge);
        EXPECT_EQ(f.px(79, 12), c.edge);
        EXPECT_EQ(f.px(40, 23), c.edge);
    }
}

TEST(XpStyle, OwnColoursWhenNotDefaultAndBackToTheFaceAfterwards) {
    Fixture f(ButtonStyleXP, 80, 24);
    f.s().g_XPDefaultColors = false;
    f.s().g_IsOver = 1;
    f.refresh();
    EXPECT_EQ(f.px(40, 12), k3DLight); // 0x80000016
    f.s().g_IsPressed = 1;
    f.refresh();
    EXPECT_EQ(f.px(40, 12), kHighlight); // 0x80000014
    f.s().g_IsOver = 0;
    f.s().g_IsPressed = 0;
    f.refresh();
    EXPECT_EQ(f.px(40, 12), kFace);
    EXPECT_EQ(f.s().surfaceBackColor, static_cast<OleColor>(0x8000000F));
}

TEST(XpStyle, TintFollowsTheHighlightColour) {
    Fixture f(ButtonStyleXP, 40, 20);
    gdi::SystemColors sys = gdi::SystemColors::pinned();
    sys.setColor(13, gdi::RGB(10, 20, 30));
    f.button->setSystemColors(sys);
    f.s().g_IsOver = 1;
    f.refresh();
    EXPECT_EQ(f.px(20, 10), gdi::RGB(181, 174, 138));
    f.s().g_IsPressed = 1;
    f.refresh();
    EXPECT_EQ(f.px(20, 10), gdi::RGB(166, 159, 138));
}

// The surface keeps the colour the XP face gives it, and the next refresh
// clears to it: it shows where nothing paints over the clear, as on a
// transparent button whose container has no picture.
TEST(Pipeline, TheSurfaceKeepsTheXpFaceColourForTheNextRefresh) {
    PropertyBag bag;
    bag.set(QStringLiteral("TransparentBG"), PropertyValue::boolean(true));
    Fixture f(ButtonStyleXP, 80, 24, bag);
    f.s().g_IsOver = 1;
    f.refresh();
    EXPECT_EQ(f.s().surfaceBackColor, static_cast<OleColor>(kHoverTint));
    f.s().g_IsOver = 0;
    f.refresh();
    EXPECT_EQ(f.px(40, 12), kHoverTint);
}

TEST(Pipeline, FocusRectangleFourPixelsIn) {
    for (std::int32_t style :
         {ButtonStyleStandard, ButtonStyleFlat, ButtonStyleXP, ButtonStyleNoBorder}) {
        SCOPED_TRACE(style);
        Fixture f(style, 100, 40);
        f.s().g_HasFocus = 1;
        f.refresh();
        const gdi::COLORREF inverted = kFace ^ 0x00FFFFFFu;
        EXPECT_EQ(f.px(4, 4), inverted); // (x + y) even
        EXPECT_EQ(f.px(5, 4), kFace);
        EXPECT_EQ(f.px(95, 11), inverted); // right column is 100 - 4 - 1
        EXPECT_EQ(f.px(95, 10), kFace);
        EXPECT_EQ(f.px(5, 35), inverted); // bottom row is 40 - 4 - 1
        EXPECT_EQ(f.px(4, 10), inverted);
        EXPECT_EQ(f.px(3, 4), kFace);
        EXPECT_EQ(f.px(6, 6), kFace);
    }
}

TEST(Pipeline, NoFocusRectangleWhenHiddenOrRounded) {
    Fixture f(ButtonStyleNoBorder, 100, 40);
    f.s().g_HasFocus = 1;
    f.s().g_ShowFocusRect = false;
    f.refresh();
    EXPECT_EQ(f.px(4, 4), kFace);
    Fixture r(ButtonStyleRounded, 100, 40);
    r.s().g_HasFocus = 1;
    r.refresh();
    EXPECT_EQ(r.px(4, 4), r.px(6, 4)); // same row colour, nothing inverted
}

TEST(Pipeline, NoBorderStyleDrawsNoBorderOfAnyKind) {
    Fixture f(ButtonStyleNoBorder, 60, 20);
    f.container.isDefault = true;
    for (std::uint8_t pressed : {0, 1}) {
        f.s().g_IsPressed = pressed;
        f.s().g_IsOver = 1;
        f.refresh();
        for (auto [x, y] : {std::pair{0, 0}, {59, 19}, {58, 18}, {30, 0}})
            EXPECT_EQ(f.px(x, y), kFace);
    }
}

TEST(Pipeline, ResizeHandlerMetricsAndMinimumSize) {
    Fixture f(ButtonStyleStandard, 100, 40);
    f.surface.sizes.clear();
    f.surface.width = 7;
    f.surface.height = 3;
    f.button->Resize();
    EXPECT_EQ(f.surface.sizes, (QStringList{"10x3", "10x10"}));
    EXPECT_EQ(f.s().g_Width, 10);
    EXPECT_EQ(f.s().g_Height, 10);
    EXPECT_EQ(f.s().g_FocusRect, (gdi::Rect{4, 4, 6, 6}));
    EXPECT_EQ(f.button->backImage().width(), 10);

    ButtonState s;
    s.clientWidth = 48.5;
    s.clientHeight = 25.5;
    ComputeMetrics(s);
    EXPECT_EQ(s.g_Width, 48); // halves to even
    EXPECT_EQ(s.g_Height, 26);
    EXPECT_EQ(s.g_FocusRect, (gdi::Rect{4, 4, 44, 22}));
}

TEST(Pipeline, RoundedRegionFollowsTheStyleAndSize) {
    Fixture f(ButtonStyleStandard, 40, 20);
    EXPECT_FALSE(f.button->windowRegion().has_value());
    f.button->setButtonStyle(ButtonStyleRounded);
    ASSERT_TRUE(f.button->windowRegion().has_value());
    EXPECT_EQ(f.surface.regions, 1);
    QImage img = f.button->image();
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(img.pixel(2, 0)), 255);
    EXPECT_EQ(qAlpha(img.pixel(39, 19)), 0);

    f.surface.width = 60;
    f.button->Resize();
    EXPECT_EQ(f.surface.regions, 2);
    EXPECT_TRUE(f.button->windowRegion()->contains(39, 19));
    EXPECT_FALSE(f.button->windowRegion()->contains(59, 19));

    // Leaving the style gives the corners back.
    f.button->setButtonStyle(ButtonStyleFlat);
    EXPECT_EQ(f.surface.regions, 3);
    EXPECT_FALSE(f.button->windowRegion().has_value());
    img = f.button->image();
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 255);
    f.button->setButtonStyle(ButtonStyleXP);
    EXPECT_EQ(f.surface.regions, 3);
}

TEST(Pipeline, EveryStyleInEveryState) {
    const gdi::COLORREF F = kFace, H = kHighlight, S = kShadow, D = kDarkShadow;
    struct Case {
        std::int32_t style;
        std::uint8_t over, pressed;
        gdi::COLORREF corner, right, centre;
    };
    // A rounded face of white (the button face shaded by 48) on 40 rows: row 20
    // is 12.5 -> 12 darker when idle, 7.5 -> 8 darker than its base when pressed.
    const gdi::COLORREF roundIdle = rgb(243, 243, 240), roundPressed = rgb(215, 215, 205);
    const Case cases[] = {
        {0, 0, 0, H, S, F},
        {0, 1, 0, H, S, F},
        {0, 1, 1, S, H, F},
        {0, 0, 1, S, H, F},
        {1, 0, 0, F, F, F},
        {1, 1, 0, H, S, F},
        {1, 1, 1, S, H, F},
        {1, 0, 1, S, H, F},
        {2, 0, 0, F, F, F},
        {2, 1, 0, kBlack, kBlack, kHoverTint},
        {2, 1, 1, kBlack, kBlack, kPressedTint},
        {2, 0, 1, kPressedTint, kPressedTint, kPressedTint},
        {3, 0, 0, D, D, roundIdle},
        {3, 1, 0, D, D, roundIdle},
        {3, 1, 1, D, D, roundPressed},
        {3, 0, 1, D, D, roundPressed},
        {4, 0, 0, F, F, F},
        {4, 1, 0, F, F, F},
        {4, 1, 1, F, F, F},
        {4, 0, 1, F, F, F},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " over " << int(c.over)
                                        << " pressed " << int(c.pressed));
        Fixture f(c.style, 100, 40);
        f.s().g_IsOver = c.over;
        f.s().g_IsPressed = c.pressed;
        f.refresh();
        EXPECT_EQ(f.px(0, 0), c.corner);
        EXPECT_EQ(f.px(99, 20), c.right);
        EXPECT_EQ(f.px(50, 20), c.centre);
    }
}
