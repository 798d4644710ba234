#include "editor/markup/ElementPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace editor;

namespace {

// The path as "name[index]" steps joined by spaces; the caret is at "|".
std::string pathAt(std::string page) {
    const std::size_t caret = page.find('|');
    page.erase(caret, 1);
    std::string shown;
    for (const PathStep& step : elementPathAt(page, caret))
        shown += (shown.empty() ? "" : " ") + step.name + "[" + std::to_string(step.index) + "]";
    return shown;
}

} // namespace

TEST(ElementPath, ThePlaceOfTheCaretAsTheBrowserBuildsTheTree) {
    struct Case {
        const char* what;
        const char* page;
        const char* path;
    };
    const std::vector<Case> cases = {
        {"nesting", "<html><body><div></div><div><p>a</p><p>b|</p></div>", "div[1] p[1]"},
        {"siblings of other names do not count", "<body><h1>t</h1><p>1</p><div>x</div><p>2|",
         "p[1]"},
        {"no html or body written", "<div><span>a</span><span>|b</span>", "div[0] span[1]"},
        {"a paragraph ends where a block begins", "<p>one<p>two<div>three|", "div[0]"},
        {"list items and cells end each other",
         "<ul><li>a<li>b</ul><table><tr><td>1<td>2<tr><td>3|", "table[0] tr[1] td[0]"},
        {"end tags close what they name", "<div><b>x</b><b>y</b>|</div>", "div[0]"},
        {"void elements hold nothing", "<div><br><img src=x>|", "div[0]"},
        {"upper case is the same element", "<DIV><P>a</P><P>|</P></DIV>", "div[0] p[1]"},
        {"the caret in a start tag is at its element", "<div><p class=\"|x\">t</p>", "div[0] p[0]"},
        {"comments are the top of the page", "<div><!-- <p> | --></div>", ""},
        {"so are scripts and styles", "<div><script>var a = '<p>|';</script>", ""},
        {"and the head", "<html><head><title>T</title><meta charset=utf-8>|</head>", ""},
        {"after the head, the body", "<html><head><title>T</title></head><body><p>x|", "p[0]"},
        {"markup inside a comment is no element", "<!-- <div> --><p>|", "p[0]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pathAt(c.page), c.path);
    }
}

TEST(ElementPath, AReaderResumedFromAPlaceInTextReadsOnAsTheWholeDoes) {
    const std::string page = "<body><div><p>a</p><!-- x --><ul><li>1<li>2</ul><p>b</p></div><p>c";
    for (std::size_t cut = 0; cut <= page.size(); ++cut) {
        ElementPathReader first;
        first.feed(std::string_view(page).substr(0, cut));
        if (!first.atText())
            continue;
        ElementPathReader resumed(first); // a checkpoint
        resumed.feed(std::string_view(page).substr(cut));
        EXPECT_EQ(resumed.path(), elementPathAt(page, page.size())) << cut;
    }
}
