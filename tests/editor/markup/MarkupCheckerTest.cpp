#include "editor/markup/MarkupChecker.h"
#include "editor/elements/ElementTable.h"
#include "editor/markup/IdTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using core::DocumentType;
using namespace editor;

namespace {

// Each problem as "line:column message".
std::vector<std::string> problemsOf(DocumentType type, std::string_view page) {
    std::vector<std::string> found;
    const auto checker = checkMarkup(type, page);
    for (const MarkupProblem& p : checker->problems())
        found.push_back(std::to_string(p.line) + ":" + std::to_string(p.column) + " " + p.message);
    return found;
}

} // namespace

TEST(MarkupChecker, FindsTheMistakesOfSmallBrokenPages) {
    struct Case {
        DocumentType type;
        const char* page;
        std::vector<std::string> problems;
    };
    const std::vector<Case> cases = {
        // HTML: ends the rules imply are no mistakes.
        {DocumentType::HTML,
         "<div><p>a</div><ul><li>1<li>2</ul><table><tr><td>1<td>2<tr>"
         "<td>3</table><dl><dt>a<dd>b</dl>",
         {}},
        {DocumentType::HTML,
         "<div><span>x</div>",
         {"1:13 </div> closes <div> while <span> (line 1, column 6) inside it is still open."}},
        {DocumentType::HTML,
         "<b><i>x</b></i>",
         {"1:8 </b> closes <b> while <i> (line 1, column 4) inside it is still open.",
          "1:12 The end tag </i> has no open element to close."}},
        {DocumentType::HTML,
         "<div>\r\n<section>\n</p>",
         {"3:1 The end tag </p> has no open element to close.", "1:1 <div> is never closed.",
          "2:1 <section> is never closed."}},
        {DocumentType::HTML,
         "<p class=a CLASS=\"b\" id=x>\n<a id='x'>y</a>",
         {"1:12 The attribute \u201cclass\u201d is given twice in <p>.",
          "2:4 The id \u201cx\u201d is used twice: first at line 1, column 22."}},
        {DocumentType::HTML,
         "&#12 &#xZZ; &bogus; &amp; AT&T &copy &#0;",
         {"1:1 The character reference \u201c&#12\u201d needs a closing \u201c;\u201d.",
          "1:6 The character reference \u201c&#xZZ;\u201d is not a number.",
          "1:13 The character reference \u201c&bogus;\u201d names no character.",
          "1:38 The character reference \u201c&#0;\u201d names no character."}},
        // Script, style, comments, declarations and server blocks are not markup.
        {DocumentType::ASP,
         "<!DOCTYPE html><script>if (a</b) s='</div>';</SCRIPT ><style>p>a{}</style>"
         "<!-- <div> --><% if x < 3 then %><![CDATA[<x>]]>",
         {}},
        {DocumentType::HTML, "<p>ok</p><!-- open <div>", {"1:10 This comment is never closed."}},
        {DocumentType::HTML, "<div class='a", {"1:1 This tag is never closed."}},
        // XML: the parser's own words, at its line and column.
        {DocumentType::XML, "<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;<b/></a>", {}},
        {DocumentType::XML,
         "<a>\n<b></a>",
         {"2:8 Opening and ending tag mismatch: b line 2 and a"}},
        // CSS: brackets and strings.
        {DocumentType::CSS, "a { b: url(x) } /* a } */ c[x=\"]\"] { }", {}},
        {DocumentType::CSS,
         "a ) { b: \"x;\n}\nd {",
         {"1:3 \u201c)\u201d closes nothing.",
          "1:10 This string is not closed before the end of its line.",
          "3:3 \u201c{\u201d is never closed by \u201c}\u201d."}},
        {DocumentType::CSS,
         "a { x: (1] }",
         {"1:10 \u201c]\u201d closes \u201c(\u201d of line 1, column 8, which needs "
          "\u201c)\u201d."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const std::vector<std::string> found = problemsOf(c.type, c.page);
        if (c.type == DocumentType::XML && !c.problems.empty()) {
            ASSERT_FALSE(found.empty());
            EXPECT_EQ(found.front(), c.problems.front());
        } else {
            EXPECT_EQ(found, c.problems);
        }
    }
}

TEST(MarkupChecker, AnXmlPageFedAByteAtATimeHasTheProblemsItHasWhole) {
    // Characters of two, three and four bytes cut at every place, and then a
    // byte that is not UTF-8, found where it is and ending the check.
    const std::string start = "<a t=\"\u00e9\">\n\u20ac \U0001F600";
    const std::string good = start + "</a>";
    for (const std::string& page : {good, start + "\n<b>\xE9t\xE9</b></a>"}) {
        auto pieces = makeMarkupChecker(DocumentType::XML);
        for (const char byte : page)
            pieces->feed(std::string_view(&byte, 1));
        pieces->finish();
        const auto whole = checkMarkup(DocumentType::XML, page);
        ASSERT_EQ(pieces->problems().size(), whole->problems().size());
        EXPECT_EQ(pieces->stoppedBecause(), whole->stoppedBecause());
        if (page == good) {
            EXPECT_TRUE(whole->problems().empty());
        } else {
            ASSERT_EQ(whole->problems().size(), 1u);
            EXPECT_EQ(whole->problems()[0].line, 3);
            EXPECT_EQ(whole->problems()[0].column, 4);
            EXPECT_EQ(whole->problems()[0].start, start.size() + 4);
        }
    }
}

TEST(MarkupChecker, ThePagesTheElementButtonsBuildHaveNoMistakes) {
    const char* keys[] = {"P",  "B",   "U", "I",   "LINK", "EMAIL", "STY",   "TBL",  "IMG", "BODY",
                          "BR", "DIV", "A", "FRM", "MARQ", "FONT",  "TITLE", "HEAD", "FORM"};
    std::string page = "<!-- Feldt Ostra 1.1-->\r\n<html>\r\n<head>\r\n<title>Untitled</title>"
                       "\r\n</head>\r\n<body>\r\n";
    for (const char* key : keys) {
        const Element* element = findElement(QLatin1String(key));
        ASSERT_NE(element, nullptr) << key;
        page += elementText(*element, std::nullopt) + "\r\n";
        page += elementText(*element, std::string_view("word")) + "\r\n";
    }
    page += "</body>\r\n</html>";
    EXPECT_EQ(problemsOf(DocumentType::HTML, page), std::vector<std::string>{});
}

TEST(MarkupChecker, AnIdGivenAgainAmongThousandsIsToldWithItsFirstPlace) {
    std::string page;
    for (int i = 0; i < 5000; ++i)
        page += "<p id=\"e" + std::to_string(i) + "\">x</p>\n";
    page += "<p id=\"e1234\">again</p>\n";
    EXPECT_EQ(problemsOf(DocumentType::HTML, page),
              std::vector<std::string>{
                  "5001:4 The id \u201ce1234\u201d is used twice: first at line 1235, column 4."});
}

TEST(IdTable, EveryIdKeptIsFoundAtItsFirstPlaceAfterTheTableHasGrownInPlace) {
    constexpr std::uint32_t kIds = 150000; // the table doubles eight times
    IdTable ids;
    for (std::uint32_t i = 0; i < kIds; ++i)
        ASSERT_FALSE(ids.firstOrKeep("e" + std::to_string(i), {i, i % 97}, 200000));
    for (std::uint32_t i = 0; i < kIds; ++i) {
        const auto first = ids.firstOrKeep("e" + std::to_string(i), {0, 0}, 200000);
        ASSERT_TRUE(first) << i;
        ASSERT_EQ(first->line, i);
        ASSERT_EQ(first->column, i % 97);
    }
    // Past the most kept, a new id is neither kept nor told as given before.
    EXPECT_FALSE(ids.firstOrKeep("late", {1, 1}, kIds));
    EXPECT_FALSE(ids.firstOrKeep("late", {1, 1}, kIds));
    EXPECT_EQ(ids.size(), kIds);
}

TEST(MarkupChecker, HostilePagesEndInBoundedWork) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<div>";
    for (int i = 0; i < 100000; ++i)
        deep += "</div>";
    EXPECT_TRUE(checkMarkup(DocumentType::HTML, deep)->problems().empty());

    std::string noise(1 << 20, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    for (const DocumentType type : {DocumentType::HTML, DocumentType::XML, DocumentType::CSS}) {
        auto checker = checkMarkup(type, noise);
        EXPECT_LE(checker->problems().size(), MarkupChecker::kMostProblems);
    }

    auto broken = makeMarkupChecker(DocumentType::HTML);
    for (int i = 0; i < 20000; ++i)
        broken->feed("</x>");
    broken->finish();
    EXPECT_TRUE(broken->stopped());
    EXPECT_EQ(broken->problems().size(), MarkupChecker::kMostProblems);
}
