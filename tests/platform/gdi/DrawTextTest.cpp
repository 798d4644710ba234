#include "platform/gdi/PixelHelpers.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/objects/GlyphCache.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include <limits>
#include <string>

#include <gtest/gtest.h>

using namespace gdi;
using namespace gdi::test;

namespace {

Font testFont() {
    Font f;
    f.family = QStringLiteral("DejaVu Sans");
    f.size = 12;
    f.unit = FontSizeUnit::Pixels;
    return f;
}

DeviceContext textDc(int w, int h) {
    DeviceContext dc = makeDc(w, h, kBlue);
    dc.setTextRendering(TextRendering::Aliased);
    SelectObject(dc, testFont());
    SetTextColor(dc, kRed);
    return dc;
}

// Bounding box of every pixel that is not the background.
Rect inkBox(const Bitmap& b, COLORREF background = kBlue) {
    Rect box{b.width(), b.height(), 0, 0};
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QFont f = testFont().toQFont();
        ASSERT_EQ(QFontInfo(f).family(), QStringLiteral("DejaVu Sans"));
        const QFontMetrics m(f);
        ascent = m.ascent();
        lineHeight = m.ascent() + m.descent();
        advance = [m](const char* s) {
            int w = 0;
            for (const char* p = s; *p; ++p)
                w += m.horizontalAdvance(QLatin1Char(*p));
            return w;
        };
    }
    int ascent = 0;
    int lineHeight = 0;
    std::function<int(const char*)> advance;
    DrawTextParams params{20, 1, 1, 1, 0};
};

TEST_F(DrawTextTest, CalcRectKeepsLeftTopAndAddsMargins) {
    DeviceContext dc = textDc(10, 10);
    Rect r{10, 20, 300, 100};
    const int h =
        DrawTextExA(dc, "Hello", r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
    EXPECT_EQ(r, (Rect{10, 20, 10 + advance("Hello") + 2, 20 + lineHeight}));
    EXPECT_EQ(h, lineHeight);
    EXPECT_EQ(params.uiLengthDrawn, 5u);
    EXPECT_EQ(dc.bitmap()->pixel(0, 0), kBlue); // measuring draws nothing
}

TEST_F(DrawTextTest, PrefixesTakeNoWidth) {
    DeviceContext dc = textDc(1, 1);
    Rect a{0, 0, 300, 100}, b{0, 0, 300, 100}, c{0, 0, 300, 100};
    DrawTextExA(dc, "&Save", a, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
    DrawTextExA(dc, "Save", b, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
    DrawTextExA(dc, "A&&B", c, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
    EXPECT_EQ(a, b);
    EXPECT_EQ(c.width(), advance("A&B") + 2);
    EXPECT_GT(c.width(), advance("AB") + 2);
}

TEST_F(DrawTextTest, WordBreakMeasuresLinesWithinTheWrapWidth) {
    DeviceContext dc = textDc(1, 1);
    const int wrap = advance("Hello world") - 1; // the two words cannot share a line
    Rect r{0, 0, wrap + 2, 100};
    DrawTextExA(dc, "Hello world", r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
    EXPECT_EQ(r.bottom, 2 * lineHeight);
    EXPECT_EQ(r.width(), std::max(advance("Hello"), advance("world")) + 2);
    EXPECT_LE(r.width(), wrap + 2);

    // A word wider than the rectangle overflows it on its own line.
    Rect narrow{0, 0, 10, 100};
    DrawTextExA(dc, "Wide words", narrow, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK,
                &params);
    EXPECT_EQ(narrow.bottom, 2 * lineHeight);
    EXPECT_EQ(narrow.width(), advance("words") + 2);
    EXPECT_GT(narrow.width(), 10);

    Rect empty{5, 5, 50, 50};
    EXPECT_EQ(
        DrawTextExA(dc, "", empty, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params),
        0);
    EXPECT_EQ(empty, (Rect{5, 5, 7, 5}));
}

TEST_F(DrawTextTest, DrawnTextFitsTheMeasuredRectangleWithoutFillingTheBackground) {
    DeviceContext dc = textDc(120, 60);
    Rect measured{4, 4, 116, 56};
    DrawTextExA(dc, "Sa&ve all files now", measured,
                DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params);
    EXPECT_EQ(dc.bitmap()->pixel(0, 0), kBlue);
    DrawTextExA(dc, "Sa&ve all files now", measured, DT_CENTER | DT_VCENTER | DT_WORDBREAK,
                &params);
    const Rect ink = inkBox(*dc.bitmap());
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink.intersected(measured), ink);
    // Aliased: every pixel is either untouched or exactly the text colour.
    for (int y = 0; y < dc.height(); ++y)
        for (int x = 0; x < dc.width(); ++x) {
            const COLORREF p = dc.bitmap()->pixel(x, y);
            ASSERT_TRUE(p == kBlue || p == kRed) << x << "," << y;
        }
}

TEST_F(DrawTextTest, AntialiasedTextBlendsEdges) {
    DeviceContext dc = textDc(60, 20);
    dc.setTextRendering(TextRendering::Antialiased);
    Rect r{0, 0, 60, 20};
    DrawTextExA(dc, "Sowas", r, 0, nullptr);
    bool blended = false;
    for (int y = 0; y < dc.height(); ++y)
        for (int x = 0; x < dc.width(); ++x) {
            const COLORREF p = dc.bitmap()->pixel(x, y);
            blended = blended || (p != kBlue && p != kRed);
        }
    EXPECT_TRUE(blended);
}

TEST_F(DrawTextTest, UnderlineSitsBelowTheBaselineOverTheAdvanceMinusOne) {
    DeviceContext dc = textDc(40, 20);
    Rect r{2, 1, 40, 20};
    DrawTextExA(dc, "&H", r, 0, &params);
    const int row = 1 + ascent + 1;
    const int left = 2 + 1; // rectangle left plus left margin
    const int w = advance("H");
    EXPECT_EQ(dc.bitmap()->pixel(left - 1, row), kBlue);
    for (int x = left; x < left + w - 1; ++x)
        EXPECT_EQ(dc.bitmap()->pixel(x, row), kRed) << x;
    EXPECT_EQ(dc.bitmap()->pixel(left + w - 1, row), kBlue);

    // "&&" draws an ampersand and underlines nothing: "&&H" and "&H" differ only
    // by the glyph, and H has no ink below the baseline.
    DeviceContext plain = textDc(40, 20);
    DrawTextExA(plain, "&&H", r, 0, &params);
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(plain.bitmap()->pixel(x, row), kBlue) << x;
}

TEST_F(DrawTextTest, UnderlineOfACentredCaptionWiderThanTheBitmapIsCutToTheBitmap) {
    // The access key walks through every character: fully left of the bitmap,
    // across its left edge, inside it, across the right edge, and right of it.
    constexpr int kWidth = 30, kHeight = 40;
    const std::string caption(10, 'H');
    const int x = (kWidth - advance(caption.c_str())) / 2;
    const int row = ascent + 1;
    const int w = advance("H");
    int straddling = 0;
    for (std::size_t k = 0; k < caption.size(); ++k) {
        std::string text = caption;
        text.insert(k, 1, '&');
        DeviceContext dc = textDc(kWidth, kHeight);
        Rect r{0, 0, kWidth, 20};
        DrawTextExA(dc, text, r, DT_CENTER, nullptr);
        const int from = x + static_cast<int>(k) * w, to = from + w - 1;
        straddling += (from < 0 && to > 0) ? 1 : 0;
        for (int px = 0; px < kWidth; ++px)
            EXPECT_EQ(dc.bitmap()->pixel(px, row), px >= from && px < to ? kRed : kBlue)
                << "key " << k << " at " << px;
        EXPECT_EQ(inkBox(*dc.bitmap()).intersected(r), inkBox(*dc.bitmap())) << "key " << k;
    }
    EXPECT_EQ(straddling, 1);
}

TEST_F(DrawTextTest, CentringAndVerticalCentring) {
    const int w = advance("Hi");
    DeviceContext left = textDc(100, 3 * 20);
    DeviceContext centred = textDc(100, 3 * 20);
    Rect r{10, 0, 90, 60};
    DrawTextExA(left, "Hi", r, 0, &params);
    DrawTextExA(centred, "Hi", r, DT_CENTER, &params);
    const int expectedX = (10 + 1 + 90 - 1 - w) / 2;
    EXPECT_EQ(inkBox(*centred.bitmap()).left - inkBox(*left.bitmap()).left, expectedX - 11);

    DeviceContext single = textDc(100, 60);
    DrawTextExA(single, "Hi", r, DT_SINGLELINE | DT_VCENTER, &params);
    EXPECT_EQ(inkBox(*single.bitmap()).top - inkBox(*left.bitmap()).top, (60 - lineHeight) / 2);

    // With word break the vertical centre is ignored.
    DeviceContext wrapped = textDc(100, 60);
    DrawTextExA(wrapped, "Hi", r, DT_WORDBREAK | DT_VCENTER, &params);
    EXPECT_EQ(*wrapped.bitmap(), *left.bitmap());
}

TEST_F(DrawTextTest, ClippedToTheRectangleAndLinesBelowItSkipped) {
    DeviceContext dc = textDc(60, 60);
    Rect r{5, 5, 30, 5 + lineHeight};
    DrawTextExA(dc, "WWWWWW\nWWWWWW", r, 0, nullptr);
    const Rect ink = inkBox(*dc.bitmap());
    EXPECT_EQ(ink.intersected(r), ink);
    EXPECT_EQ(ink.right, 30); // cut at the right edge
    EXPECT_EQ(DrawTextExA(dc, "a\nb", r, DT_CALCRECT, nullptr), 2 * lineHeight);
}

TEST_F(DrawTextTest, EachFontMeasuresWithItsOwnGlyphs) {
    DeviceContext dc = textDc(1, 1);
    DeviceContext scratch = CreateCompatibleDC(dc); // shares the glyph cache
    SelectObject(scratch, testFont());
    Font bold = testFont();
    bold.bold = true;
    Font big = testFont();
    big.size = 24;
    Rect plain{0, 0, 300, 100}, wide{0, 0, 300, 100}, tall{0, 0, 300, 100};
    DrawTextExA(scratch, "Save", plain, DT_CALCRECT, nullptr);
    SelectObject(dc, bold);
    DrawTextExA(dc, "Save", wide, DT_CALCRECT, nullptr);
    SelectObject(dc, big);
    DrawTextExA(dc, "Save", tall, DT_CALCRECT, nullptr);
    EXPECT_EQ(plain.width(), advance("Save"));
    EXPECT_GT(wide.width(), plain.width());
    EXPECT_GT(tall.height(), plain.height());
    EXPECT_GT(tall.width(), wide.width());
}

TEST_F(DrawTextTest, TextColourMayBeASystemColourReference) {
    DeviceContext dc = textDc(30, 20);
    SetTextColor(dc, 0x80000000 | COLOR_BTNSHADOW);
    Rect r{0, 0, 30, 20};
    DrawTextExA(dc, "I", r, 0, nullptr);
    const Rect ink = inkBox(*dc.bitmap());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(dc.bitmap()->pixel(ink.left, ink.top), RGB(172, 168, 153));
}

} // namespace

TEST_F(DrawTextTest, SizesBeyondTheLargestDrawAtTheLargest) {
    // Found by fuzz/button_paint: a caption font of 8025 pt asked for an 8 GB glyph.
    struct Case {
        double size;
        FontSizeUnit unit;
        double points; // expected, or 0 for pixels
        int pixels;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {8025, FontSizeUnit::Points, Font::kMaxPoints, 0},
        {inf, FontSizeUnit::Points, Font::kMaxPoints, 0},
        {nan, FontSizeUnit::Points, 1, 0},
        {8.25, FontSizeUnit::Points, 8.25, 0},
        {1e300, FontSizeUnit::Pixels, 0, Font::kMaxPixels},
        {nan, FontSizeUnit::Pixels, 0, 1},
        {12, FontSizeUnit::Pixels, 0, 12},
    };
    for (const Case& c : cases) {
        Font font = testFont();
        font.size = c.size;
        font.unit = c.unit;
        const QFont q = font.toQFont();
        if (c.points > 0)
            EXPECT_DOUBLE_EQ(q.pointSizeF(), c.points) << c.size;
        else
            EXPECT_EQ(q.pixelSize(), c.pixels) << c.size;
    }
    Font huge = testFont();
    huge.size = 8025;
    huge.unit = FontSizeUnit::Points;
    DeviceContext dc = makeDc(49, 25, kBlue);
    SelectObject(dc, huge);
    SetTextColor(dc, kRed);
    Rect r{0, 0, 49, 25};
    Font largest = huge;
    largest.size = Font::kMaxPoints;
    const QFontMetrics m(largest.toQFont());
    EXPECT_EQ(DrawTextExA(dc, "A", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, nullptr),
              m.ascent() + m.descent());
}

TEST_F(DrawTextTest, APaintDrawsOnlyTheGlyphsThatShowWhateverTheSize) {
    // Found by fuzz/button_paint: 51 characters at 8025 pt took 80 s a paint.
    const std::string caption = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxy";
    Font huge = testFont();
    huge.size = 8025;
    DeviceContext dc = makeDc(200, 512, kBlue);
    SelectObject(dc, huge);
    SetTextColor(dc, kRed);
    Rect r{0, 0, 200, 512};
    DrawTextExA(dc, caption, r, DT_CENTER | DT_WORDBREAK, nullptr);
    GlyphCache::Face& face = dc.glyphCache().face(huge, dc.textRendering());
    // A glyph at the largest size takes about 400 x 620 pixels; a few show.
    EXPECT_LE(face.rasterisedPixels(), 4u * 400 * 620);
    EXPECT_FALSE(inkBox(*dc.bitmap()).isEmpty());
}
