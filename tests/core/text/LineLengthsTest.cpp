#include "core/text/LineLengths.h"

#include <gtest/gtest.h>

using core::LineLengths;

TEST(LineLengthsTest, CountsLinesAcrossPiecesWithEveryKindOfLineEnd) {
    LineLengths lines;
    lines.feed("ab\r");
    lines.feed("\ncdefg\rhi"); // a CR LF split across pieces ends one line
    EXPECT_EQ(lines.longest(), 5u);
    EXPECT_EQ(lines.current(), 2u);
    lines.feed("jklm");
    lines.feed("");
    EXPECT_EQ(lines.current(), 6u); // the unfinished last line counts too
    EXPECT_EQ(lines.longest(), 6u);
    lines.feed("\n\n");
    EXPECT_EQ(lines.current(), 0u);
    EXPECT_EQ(lines.longest(), 6u);
}
