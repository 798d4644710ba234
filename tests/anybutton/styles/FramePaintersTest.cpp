#include "anybutton/TestSupport.h"

#include <gtest/gtest.h>

using namespace anybutton;
using namespace anybutton::test;
using V = PropertyValue;

namespace {

PropertyBag bag(std::initializer_list<std::pair<const char*, PropertyValue>> values) {
    PropertyBag b;
    for (const auto& [k, v] : values)
        b.set(QString::fromLatin1(k), v);
    return b;
}

struct Px {
    int x, y;
    gdi::COLORREF c;
};

void expectPixels(const Fixture& f, std::initializer_list<Px> pixels) {
    for (const Px& p : pixels)
        EXPECT_EQ(f.px(p.x, p.y), p.c) << "at (" << p.x << ", " << p.y << ")";
}

const gdi::COLORREF kGrey = gdi::RGB(128, 128, 128);

} // namespace

TEST(FramePainters, ThinRaisedFrameIdleStandard) {
    Fixture f(ButtonStyleStandard, 100, 40);
    expectPixels(f, {{0, 0, kHighlight},
                     {50, 0, kHighlight},
                     {99, 0, kHighlight},
                     {0, 20, kHighlight},
                     {0, 39, kHighlight},
                     {99, 20, kShadow},
                     {50, 39, kShadow},
                     {99, 39, kShadow},
                     {98, 20, kFace},
                     {1, 1, kFace},
                     {50, 38, kFace}});
}

TEST(FramePainters, ThinSunkenFrameWhenPressed) {
    for (std::int32_t style : {ButtonStyleStandard, ButtonStyleFlat, 9}) {
        SCOPED_TRACE(style);
        Fixture f(style, 100, 40);
        f.s().g_IsPressed = 1;
        f.refresh();
        expectPixels(f, {{0, 0, kShadow},
                         {50, 0, kShadow},
                         {0, 39, kShadow},
                         {99, 0, kShadow},
                         {99, 20, kHighlight},
                         {50, 39, kHighlight},
                         {99, 39, kHighlight},
                         {1, 1, kFace}});
    }
}

TEST(FramePainters, FlatAndOutOfRangeStylesShowABorderOnlyWhenHovered) {
    for (std::int32_t style : {ButtonStyleFlat, -1, 5}) {
        SCOPED_TRACE(style);
        Fixture f(style, 60, 20);
        expectPixels(f, {{0, 0, kFace}, {59, 19, kFace}});
        f.s().g_IsOver = 1;
        f.refresh();
        expectPixels(f, {{0, 0, kHighlight}, {59, 19, kShadow}});
    }
}

TEST(FramePainters, RaisedBevelExample) {
    Fixture f(
        ButtonStyleStandard, 100, 40,
        bag({{"BackColor", V::int32(static_cast<std::int32_t>(kGrey))}, {"BEVEL", V::int16(2)}}));
    const gdi::COLORREF rings[] = {rgb(120, 120, 123), rgb(112, 112, 118), rgb(104, 104, 114)};
    const gdi::COLORREF edges[] = {rgb(136, 136, 136), rgb(144, 144, 144), rgb(152, 152, 152)};
    for (int k = 0; k < 3; ++k) {
        const int n = 2 - k; // ring k from inside is drawn at n
        SCOPED_TRACE(n);
        expectPixels(f, {{100 - n - 1, 20, rings[k]}, // right column
                         {50, 40 - n - 1, rings[k]},  // bottom row
                         {100 - n - 1, n, rings[k]},  // the edge line stops before it
                         {n, 40 - n - 1, rings[k]},
                         {50, n, edges[k]}, // top edge
                         {n, 20, edges[k]}, // left edge
                         {n, n, edges[k]}});
    }
    expectPixels(f, {{3, 3, kGrey}, {50, 20, kGrey}, {96, 36, kGrey}});
}

TEST(FramePainters, SunkenBevelMirrorsTheRaisedOne) {
    Fixture f(
        ButtonStyleStandard, 100, 40,
        bag({{"BackColor", V::int32(static_cast<std::int32_t>(kGrey))}, {"BEVEL", V::int16(2)}}));
    f.s().g_IsPressed = 1;
    f.refresh();
    // Rings lift from the face, edges shade from it.
    expectPixels(f, {{97, 20, rgb(136, 136, 136)},
                     {98, 20, rgb(144, 144, 144)},
                     {99, 20, rgb(152, 152, 152)},
                     {2, 20, rgb(120, 120, 123)},
                     {1, 20, rgb(112, 112, 118)},
                     {0, 20, rgb(104, 104, 114)},
                     {50, 0, rgb(104, 104, 114)},
                     {50, 39, rgb(152, 152, 152)}});
}

TEST(FramePainters, BevelCountSelectsTheRings) {
    struct Case {
        std::int16_t bevel;
        int outermostLight; // number of light edges drawn
    };
    for (const Case& c : {Case{0, 0}, Case{1, 0}, Case{3, 4}, Case{-2, 0}}) {
        SCOPED_TRACE(c.bevel);
        Fixture f(ButtonStyleStandard, 60, 30,
                  bag({{"BackColor", V::int32(static_cast<std::int32_t>(kGrey))},
                       {"BEVEL", V::int16(c.bevel)}}));
        if (c.outermostLight == 0) {
            // 0, 1 and negative values draw the thin frame.
            expectPixels(f, {{0, 10, kHighlight}, {59, 10, kShadow}, {1, 10, kGrey}});
        } else {
            expectPixels(f, {{0, 10, rgb(160, 160, 160)},
                             {3, 10, rgb(136, 136, 136)},
                             {4, 10, kGrey},
                             {56, 10, rgb(120, 120, 123)},
                             {55, 10, kGrey}});
        }
    }
}

TEST(FramePainters, DefaultFrameOverAFocusedStandardButton) {
    Fixture f(ButtonStyleStandard, 100, 40);
    f.s().g_HasFocus = 1;
    f.s().g_ShowFocusRect = false;
    f.refresh();
    expectPixels(f, {{98, 20, kShadow},
                     {99, 20, kShadow},
                     {50, 38, kShadow},
                     {50, 39, kShadow},
                     {0, 20, kHighlight},
                     {50, 0, kHighlight},
                     {98, 0, kHighlight},
                     {0, 39, kHighlight},
                     {97, 20, kFace},
                     {98, 1, kShadow}});
    // Pressed: no default frame over the sunken one.
    f.s().g_IsPressed = 1;
    f.refresh();
    expectPixels(f, {{98, 20, kFace}, {99, 20, kHighlight}});
}

TEST(FramePainters, DefaultFrameRules) {
    struct Case {
        std::int32_t style;
        bool focus, containerDefault;
        bool frame;
    };
    const Case cases[] = {
        {ButtonStyleStandard, false, false, false}, {ButtonStyleStandard, true, false, true},
        {ButtonStyleStandard, false, true, true},   {ButtonStyleFlat, true, false, false},
        {ButtonStyleFlat, false, true, true},       {ButtonStyleXP, true, true, false},
        {ButtonStyleNoBorder, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.style << c.focus << c.containerDefault);
        Fixture f(c.style, 100, 40);
        f.container.isDefault = c.containerDefault;
        f.s().g_HasFocus = c.focus ? 1 : 0;
        f.s().g_ShowFocusRect = false;
        f.refresh();
        EXPECT_EQ(f.px(98, 20), c.frame ? kShadow : kFace);
    }
}

TEST(FramePainters, DefaultFrameAsADeeperBevel) {
    Fixture f(
        ButtonStyleStandard, 100, 40,
        bag({{"BackColor", V::int32(static_cast<std::int32_t>(kGrey))}, {"BEVEL", V::int16(3)}}));
    f.s().g_HasFocus = 1;
    f.s().g_ShowFocusRect = false;
    f.refresh();
    // Depth 8 + 3: rings from inside out, edges from inside out.
    expectPixels(f, {{96, 20, rgb(117, 117, 121)},
                     {97, 20, rgb(106, 106, 115)},
                     {98, 20, rgb(95, 95, 109)},
                     {99, 20, rgb(84, 84, 103)},
                     {3, 20, rgb(139, 139, 139)},
                     {2, 20, rgb(150, 150, 150)},
                     {1, 20, rgb(161, 161, 161)},
                     {0, 20, rgb(172, 172, 172)},
                     {50, 20, kGrey}});
}

TEST(FramePainters, DesignModeShowsTheIdleBorderWhateverTheState) {
    Fixture f(ButtonStyleFlat, 60, 20);
    f.container.running = false;
    f.container.isDefault = true;
    f.s().g_IsPressed = 1;
    f.refresh();
    expectPixels(f, {{0, 0, kHighlight}, {59, 10, kShadow}, {58, 10, kFace}});
}
