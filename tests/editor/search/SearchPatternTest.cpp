#include "editor/search/SearchPattern.h"
#include "editor/search/GoToLine.h"
#include "editor/search/TextSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace editor;
using Outcome = SearchPattern::Outcome;

namespace {

SearchPattern compiled(const char* text, SearchOptions options) {
    auto made = SearchPattern::compile(QString::fromUtf8(text), options);
    EXPECT_TRUE(std::holds_alternative<SearchPattern>(made)) << text;
    return std::move(std::get<SearchPattern>(made));
}

} // namespace

TEST(TextSearch, FindsForwardBackwardRoundTheEndAndByCaseWordAndExpression) {
    const std::string text = "Cat cat\r\ncatalog CAT caf\xC3\xA9 Caf\xC3\x89!";
    struct Case {
        const char* what;
        const char* pattern;
        SearchOptions options;
        std::size_t selStart, selEnd;
        std::size_t start, end;
        bool wrapped;
    };
    const SearchOptions plain{};
    const SearchOptions matchCase{true, false, false, false};
    const SearchOptions word{false, true, false, false};
    const SearchOptions regex{false, false, true, false};
    const SearchOptions back{false, false, false, true};
    const std::vector<Case> cases = {
        {"forward, any case, from a selection's end", "cat", plain, 0, 3, 4, 7, false},
        {"matching case", "CAT", matchCase, 0, 0, 17, 20, false},
        {"whole words only", "cat", word, 4, 7, 17, 20, false},
        {"round the end", "cat", plain, 17, 20, 0, 3, true},
        {"backwards from a selection's start", "cat", back, 9, 12, 4, 7, false},
        {"backwards round the start", "cat", back, 0, 3, 17, 20, true},
        {"case folding beyond ASCII", "CAF\xC3\x89", plain, 0, 0, 21, 26, false},
        {"an expression", "c\\w+g", regex, 0, 0, 9, 16, false},
        {"^ at each line's start", "^c", regex, 1, 1, 9, 10, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SearchPattern p = compiled(c.pattern, c.options);
        const FindResult r = findNext(p, text, c.selStart, c.selEnd, c.options.backwards);
        ASSERT_EQ(r.outcome, Outcome::Found);
        EXPECT_EQ(r.start, c.start);
        EXPECT_EQ(r.end, c.end);
        EXPECT_EQ(r.wrapped, c.wrapped);
    }
    EXPECT_EQ(findNext(compiled("dog", plain), text, 5, 5, false).outcome, Outcome::NotFound);
}

TEST(TextSearch, ReplacementsUseGroupsAndEveryMatchIsTakenOnce) {
    const std::string text = "<b>one</b> <b>two</b>";
    const SearchPattern p = compiled("<b>(\\w+)</b>", {false, false, true, false});
    const AllMatches all = collectReplacements(p, text, 0, text.size(), "<strong>$1\\1</strong>");
    ASSERT_EQ(all.replacements.size(), 2u);
    EXPECT_EQ(all.replacements[1].start, 11u);
    EXPECT_EQ(all.replacements[1].text, "<strong>twotwo</strong>");
    // Within a range: the match that runs past its end is not taken.
    EXPECT_EQ(collectReplacements(p, text, 0, 15, "x").replacements.size(), 1u);
    // Plain text replaces as typed, $1 and all.
    EXPECT_EQ(
        collectReplacements(compiled("one", {}), text, 0, text.size(), "$1").replacements[0].text,
        "$1");
    EXPECT_EQ(replacementOfSelection(p, text, 0, 10, "[$1]"), std::optional<std::string>("[one]"));
    EXPECT_EQ(replacementOfSelection(p, text, 0, 9, "[$1]"), std::nullopt);
}

TEST(TextSearch, EmptyMatchesMoveOnAndHostilePatternsStopWithAReason) {
    const std::string text = "ab\nc";
    const SearchPattern empty = compiled("x*", {false, false, true, false});
    // Each empty match is one step further; all of them end.
    EXPECT_EQ(collectReplacements(empty, text, 0, text.size(), "-").replacements.size(), 5u);
    FindResult r = findNext(empty, text, 1, 1, false);
    EXPECT_EQ(r.start, 2u);

    auto invalid = SearchPattern::compile(QStringLiteral("ab(c"), {false, false, true, false});
    ASSERT_TRUE(std::holds_alternative<SearchPattern::Error>(invalid));
    EXPECT_EQ(std::get<SearchPattern::Error>(invalid).offset, 4);
    EXPECT_FALSE(std::get<SearchPattern::Error>(invalid).message.isEmpty());

    // Plain text is never read as an expression.
    EXPECT_EQ(findNext(compiled("ab(c", {}), "xab(c", 0, 0, false).start, 1u);

    const std::string runaway = std::string(40, 'a') + "!";
    const SearchPattern catastrophic = compiled("(a|a)+!!", {false, false, true, false});
    EXPECT_EQ(findNext(catastrophic, runaway, 0, 0, false).outcome, Outcome::TooComplex);

    // Bytes that are not UTF-8 (pasted from elsewhere) are searched safely.
    const std::string broken = "x\xFF\xFEy caf\xE9 y";
    EXPECT_EQ(findNext(compiled("y", {}), broken, 4, 4, false).start, 10u);
}

TEST(GoToLine, ALineOrALineAndColumn) {
    EXPECT_EQ(parseLineColumn(QStringLiteral(" 4812 "))->line, 4812);
    const auto both = parseLineColumn(QStringLiteral("120:5"));
    ASSERT_TRUE(both);
    EXPECT_EQ(both->line, 120);
    EXPECT_EQ(both->column, 5);
    for (const char* bad : {"", "x", "0", "-3", "3:", "1:2:3", "2:0"})
        EXPECT_FALSE(parseLineColumn(QLatin1String(bad))) << bad;
}
