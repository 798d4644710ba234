#include "platform/gdi/text/TextLayout.h"
#include "platform/gdi/DrawText.h"

#include <gtest/gtest.h>

using namespace gdi;

namespace {

// Every character 5 pixels wide keeps the wrapping arithmetic readable.
const TextLayout::Advance kFive = [](QChar) { return 5; };

std::vector<QString> lineTexts(const TextLayout& layout) {
    std::vector<QString> out;
    for (const TextLine& l : layout.lines())
        out.push_back(l.text);
    return out;
}

using Lines = std::vector<QString>;

TEST(TextLayoutTest, WordWrapCases) {
    struct Case {
        const char* text;
        unsigned format;
        int width;
        Lines expected;
    };
    const unsigned wrap = DT_WORDBREAK, centred = DT_WORDBREAK | DT_CENTER;
    const Case cases[] = {
        // Exactly fits.
        {"aaa bbb", wrap, 35, {"aaa bbb"}},
        // The space that does not fit is the break; it is not kept.
        {"aaa bbb ccc", wrap, 35, {"aaa bbb", "ccc"}},
        // A line keeps its break space unless centred.
        {"aaa bbb", wrap, 30, {"aaa ", "bbb"}},
        {"aaa bbb", centred, 30, {"aaa", "bbb"}},
        // The space that does not fit is the break and one space after it is
        // skipped; a fitting space before it stays on the line.
        {"aa   bb", wrap, 15, {"aa ", "bb"}},
        {"aa    bb", wrap, 15, {"aa ", " bb"}},
        {"aa    bb", centred, 15, {"aa ", " bb"}},
        // A word wider than the line stays whole and overflows.
        {"a verylongword b", wrap, 20, {"a ", "verylongword", "b"}},
        {"verylongword", wrap, 20, {"verylongword"}},
        // Without word break only explicit breaks make lines.
        {"aaa bbb ccc", DT_CENTER, 10, {"aaa bbb ccc"}},
        {"a\rb\nc\r\nd", 0, 100, {"a", "b", "c", "d"}},
        {"a\r\n\r\nb", wrap, 100, {"a", "", "b"}},
        {"a\n", 0, 100, {"a", ""}},
        {"a\nb", DT_SINGLELINE | DT_WORDBREAK, 5, {"ab"}},
        {"", wrap, 100, {}},
        // Prefixes take no width while wrapping.
        {"&a&b&c &d", wrap, 15, {"abc", "d"}},
    };
    for (const Case& c : cases) {
        const TextLayout layout(QString::fromLatin1(c.text), c.format, c.width, kFive);
        EXPECT_EQ(lineTexts(layout), c.expected) << c.text << " / " << c.width;
    }
}

TEST(TextLayoutTest, PrefixMarksFirstPrefixedCharacterOfEachLine) {
    struct Case {
        const char* text;
        QString visible;
        int underlined;
    };
    const Case cases[] = {
        {"&File", "File", 0}, {"Sa&ve", "Save", 2}, {"A&&B", "A&B", -1}, {"&&&x", "&x", 1},
        {"ab&", "ab&", -1},   {"&a&b", "ab", 0},    {"&&", "&", -1},     {"& x", " x", 0},
    };
    for (const Case& c : cases) {
        const TextLayout layout(QString::fromLatin1(c.text), 0, 100, kFive);
        ASSERT_EQ(layout.lines().size(), 1u) << c.text;
        const TextLine& line = layout.lines().front();
        EXPECT_EQ(line.text, c.visible) << c.text;
        EXPECT_EQ(line.underlined, c.underlined) << c.text;
        EXPECT_EQ(line.width, 5 * c.visible.size()) << c.text;
    }

    const TextLayout wrapped(QStringLiteral("&aa b&b"), DT_WORDBREAK | DT_CENTER, 10, kFive);
    ASSERT_EQ(wrapped.lines().size(), 2u);
    EXPECT_EQ(wrapped.lines()[0].underlined, 0);
    EXPECT_EQ(wrapped.lines()[1].underlined, 1);
}

TEST(TextLayoutTest, OffsetsFollowTheAdvances) {
    const TextLayout layout(QStringLiteral("a&bc"), 0, 100,
                            [](QChar c) { return c == QLatin1Char('a') ? 3 : 7; });
    const TextLine& line = layout.lines().front();
    EXPECT_EQ(line.offsets, (std::vector<int>{0, 3, 10}));
    EXPECT_EQ(line.advances, (std::vector<int>{3, 7, 7}));
    EXPECT_EQ(line.width, 17);
    EXPECT_EQ(layout.widestLine(), 17);
}

TEST(TextLayoutTest, DecodesTheAnsiCodePage) {
    const QString s = decodeAnsi("\x80\x81\x9f\xe9"
                                 "A");
    ASSERT_EQ(s.size(), 5);
    EXPECT_EQ(s.at(0).unicode(), 0x20AC);
    EXPECT_EQ(s.at(1).unicode(), 0x0081);
    EXPECT_EQ(s.at(2).unicode(), 0x0178);
    EXPECT_EQ(s.at(3).unicode(), 0x00E9);
    EXPECT_EQ(s.at(4), QLatin1Char('A'));
}

} // namespace
