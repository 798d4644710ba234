#include "editor/markup/TagAssist.h"
#include "editor/markup/TagMatch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using core::DocumentType;
using namespace editor;

TEST(TagAssist, AClosingTagIsTypedOnlyWhereAnOpeningTagEnds) {
    struct Case {
        const char* before; // up to and with the ">" just typed
        const char* after;
        DocumentType type;
        std::optional<std::string> added;
    };
    const std::vector<Case> cases = {
        {"<div class=\"a\">", "", DocumentType::HTML, "</div>"},
        {"<P>", "", DocumentType::HTML, "</P>"},
        {"<% x %><ul>", "", DocumentType::ASP, "</ul>"},
        {"<item id='1'>", "", DocumentType::XML, "</item>"},
        {"<br>", "", DocumentType::HTML, std::nullopt},
        {"<img src=x>", "", DocumentType::HTML, std::nullopt},
        {"<basefont>", "", DocumentType::HTML, std::nullopt},
        {"<br>", "", DocumentType::XML, "</br>"},
        {"<x/>", "", DocumentType::HTML, std::nullopt},
        {"<x />", "", DocumentType::XML, std::nullopt},
        {"<!-- <div>", "", DocumentType::HTML, std::nullopt},
        {"<!DOCTYPE html>", "", DocumentType::HTML, std::nullopt},
        {"<![CDATA[ <a>", "", DocumentType::XML, std::nullopt},
        {"<% if a <b> then", "", DocumentType::ASP, std::nullopt},
        {"<a title=\"x>", "", DocumentType::HTML, std::nullopt},
        {"<script>if (a<b>", "", DocumentType::HTML, std::nullopt},
        {"<style>p<a>", "", DocumentType::HTML, std::nullopt},
        {"<script></script><p>", "", DocumentType::HTML, "</p>"},
        {"<div>", "</DIV>", DocumentType::HTML, std::nullopt},
        {"<div>", "</span>", DocumentType::HTML, "</div>"},
        {"a > b", "", DocumentType::HTML, std::nullopt},
        {"<p>", "", DocumentType::CSS, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        EXPECT_EQ(closingTagAfter(c.before, c.after, c.type), c.added);
    }
}

TEST(TagAssist, AnEndTagIsCompletedWithTheInnermostOpenElement) {
    EXPECT_EQ(endTagCompletion("<div><p>a<b>x</b></", DocumentType::HTML), "p>");
    EXPECT_EQ(endTagCompletion("<ul><li>a<li>b</", DocumentType::HTML), "li>");
    EXPECT_EQ(endTagCompletion("<div><br><!-- <span> --></", DocumentType::HTML), "div>");
    EXPECT_EQ(endTagCompletion("<a><B></B></", DocumentType::XML), "a>");
    EXPECT_EQ(endTagCompletion("<p>done</p></", DocumentType::HTML), std::nullopt);
    EXPECT_EQ(endTagCompletion("<!-- </", DocumentType::HTML), std::nullopt);
}

TEST(TagMatch, ThePartnerAcrossNestingAndCommentsAndNoFurtherThanAllowed) {
    const std::string page = "<div id=a><div><!-- </div> --><p></div></div>";
    const TextReader read = [&](std::size_t from, std::size_t to) {
        return std::string_view(page).substr(from, to - from);
    };
    TagMatch m = matchTag(read, page.size(), 3, false, 1 << 20); // in the first <div>
    ASSERT_EQ(m.outcome, TagMatch::Outcome::Found);
    EXPECT_EQ(m.tagStart, 0u);
    EXPECT_EQ(m.partnerStart, page.rfind("</div>"));
    m = matchTag(read, page.size(), page.rfind("</div>") + 6, false, 1 << 20); // just after it
    ASSERT_EQ(m.outcome, TagMatch::Outcome::Found);
    EXPECT_EQ(m.partnerStart, 0u);
    EXPECT_EQ(matchTag(read, page.size(), 12, false, 1 << 20).partnerStart,
              page.find("</div></div>"));
    EXPECT_EQ(matchTag(read, page.size(), page.find("<p>") + 1, false, 1 << 20).outcome,
              TagMatch::Outcome::NoPartner);
    EXPECT_EQ(matchTag(read, page.size(), page.find("id"), false, 1 << 20).outcome,
              TagMatch::Outcome::Found);
    EXPECT_EQ(matchTag(read, page.size(), page.find("<!--") + 2, false, 1 << 20).outcome,
              TagMatch::Outcome::NotInTag);

    // A partner farther than the work allowed is not looked for past it.
    const std::string far = "<b>" + std::string(3 << 20, 'x') + "</b>";
    const TextReader readFar = [&](std::size_t from, std::size_t to) {
        return std::string_view(far).substr(from, to - from);
    };
    EXPECT_EQ(matchTag(readFar, far.size(), 1, false, 1 << 20).outcome, TagMatch::Outcome::TooFar);
    EXPECT_EQ(matchTag(readFar, far.size(), 1, false, 8 << 20).outcome, TagMatch::Outcome::Found);
}
