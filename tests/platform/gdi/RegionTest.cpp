#include "platform/gdi/objects/Region.h"
#include "platform/gdi/objects/QtConversion.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

TEST(RegionTest, RectangularRegionMembershipIsExclusive) {
    const Region r = CreateRectRgn(1, 2, 4, 5);
    EXPECT_TRUE(r.contains(1, 2));
    EXPECT_TRUE(r.contains(3, 4));
    EXPECT_FALSE(r.contains(4, 4));
    EXPECT_FALSE(r.contains(3, 5));
    EXPECT_FALSE(r.contains(0, 2));
    EXPECT_TRUE(CreateRectRgn(3, 3, 3, 8).isEmpty());
    EXPECT_TRUE(CreateRectRgn(3, 3, 1, 8).isEmpty());
}

TEST(RegionTest, DifferenceResultKinds) {
    Region r = CreateRectRgn(0, 0, 4, 4);
    EXPECT_EQ(CombineRgn(r, r, CreateRectRgn(10, 10, 12, 12), RGN_DIFF), SIMPLEREGION);
    EXPECT_EQ(CombineRgn(r, r, CreateRectRgn(1, 1, 2, 2), RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(r.contains(1, 1));
    EXPECT_TRUE(r.contains(2, 1));
    EXPECT_EQ(CombineRgn(r, r, CreateRectRgn(-1, -1, 5, 5), RGN_DIFF), NULLREGION);
    EXPECT_TRUE(r.isEmpty());

    Region other = CreateRectRgn(0, 0, 2, 2);
    EXPECT_EQ(CombineRgn(other, other, other, 2 /* RGN_OR */), RGN_ERROR);
    EXPECT_TRUE(other.contains(1, 1));
}

TEST(RegionTest, RoundedCornersRemoveThreePixelsAtEachCorner) {
    const int w = 10, h = 6;
    Region r = CreateRectRgn(0, 0, w, h);
    const Rect cuts[] = {
        {0, 0, 2, 1}, {0, h - 1, 2, h},     {w - 2, 0, w, 1}, {w - 2, h - 1, w, h},
        {0, 1, 1, 2}, {0, h - 2, 1, h - 1}, {w - 1, 1, w, 2}, {w - 1, h - 2, w, h - 1}};
    for (const Rect& c : cuts)
        CombineRgn(r, r, CreateRectRgn(c.left, c.top, c.right, c.bottom), RGN_DIFF);

    const std::vector<std::string> expected = {
        "..######..", ".########.", "##########", "##########", ".########.", "..######..",
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(r.contains(x, y), expected[y][x] == '#') << x << "," << y;
    EXPECT_EQ(r.boundingRect(), (Rect{0, 0, w, h}));

    const QRegion q = toQRegion(r);
    int area = 0;
    for (const QRect& rect : q)
        area += rect.width() * rect.height();
    EXPECT_EQ(area, w * h - 12);
    EXPECT_FALSE(q.contains(QPoint(1, 0)));
    EXPECT_TRUE(q.contains(QPoint(1, 1)));
}

} // namespace
