#include "core/text/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteDecodesAndEncodesBackToItself) {
    for (int b = 0; b < 256; ++b) {
        const char32_t c = core::windows1252ToUnicode(static_cast<std::uint8_t>(b));
        const auto back = core::unicodeToWindows1252(c);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, b);
    }
    EXPECT_EQ(core::windows1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(core::windows1252ToUnicode(0x81), U'\u0081'); // undefined in the code page
    EXPECT_FALSE(core::unicodeToWindows1252(U'\u0080').has_value());
    EXPECT_FALSE(core::unicodeToWindows1252(U'\u4E2D').has_value());
}
