#include "anybutton/painting/ColorMath.h"

#include <gtest/gtest.h>

using namespace anybutton;

TEST(ColorMath, ShadeColorShiftsRedAndGreenAndScalesBlue) {
    struct Case {
        OleColor in;
        int amount;
        gdi::COLORREF out;
    };
    const Case cases[] = {
        {gdi::RGB(100, 100, 100), 48, gdi::RGB(148, 148, 125)},
        {gdi::RGB(100, 100, 100), -48, gdi::RGB(52, 52, 75)},
        {gdi::RGB(128, 128, 128), -8, gdi::RGB(120, 120, 123)},
        {gdi::RGB(250, 5, 255), 10, gdi::RGB(255, 15, 255)}, // clamped above
        {gdi::RGB(5, 250, 3), -10, gdi::RGB(0, 240, 3)},     // clamped below; 3*-10\192 = 0
        {gdi::RGB(0, 0, 0), 1000000, gdi::RGB(255, 255, 0)}, // blue 0 stays 0
        {gdi::RGB(1, 2, 255), -1000000, gdi::RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(static_cast<gdi::COLORREF>(ShadeColor(c.in, c.amount)), c.out);
    }
}

TEST(ColorMath, ShadeColorNeverLeavesTheByteRange) {
    for (OleColor v : {0, 0x00FFFFFF, 0x00808080, static_cast<OleColor>(0x8000000F), -1})
        for (int amount : {-100000, -255, -1, 0, 1, 255, 100000}) {
            const auto r = static_cast<std::uint32_t>(ShadeColor(v, amount));
            EXPECT_EQ(r & 0xFF000000u, 0u) << v << " " << amount;
        }
}

TEST(ColorMath, ResolveColorPassesRgbAndLooksUpReferencesBy24Bits) {
    const gdi::SystemColors sys = gdi::SystemColors::pinned();
    EXPECT_EQ(ResolveColor(0, sys), 0u);
    EXPECT_EQ(ResolveColor(0x00FFFFFF, sys), 0x00FFFFFFu);
    EXPECT_EQ(ResolveColor(0x00123456, sys), 0x00123456u);
    EXPECT_EQ(ResolveColor(static_cast<OleColor>(0x80000010), sys), gdi::RGB(172, 168, 153));
    EXPECT_EQ(ResolveColor(static_cast<OleColor>(0x8000000D), sys), gdi::RGB(49, 106, 197));
    // Above 24 bits without the high bit is still a lookup, by the low 24 bits.
    EXPECT_EQ(ResolveColor(0x01000010, sys), gdi::RGB(172, 168, 153));
    EXPECT_EQ(ResolveColor(static_cast<OleColor>(0x80010010), sys), 0u);
}

TEST(ColorMath, SplitAndLift) {
    const ColorParts p = SplitColor(gdi::RGB(49, 106, 197));
    EXPECT_EQ(p.Red, 49);
    EXPECT_EQ(p.Green, 106);
    EXPECT_EQ(p.Blue, 197);
    EXPECT_EQ(LiftColor(gdi::RGB(128, 128, 128), 8), gdi::RGB(136, 136, 136));
    EXPECT_EQ(LiftColor(gdi::RGB(250, 0, 128), 8), gdi::RGB(255, 8, 136));
    EXPECT_EQ(ComposeColor(49 + 171, 106 + 154, 197 + 108), gdi::RGB(220, 255, 255));
}
