#include "editor/markup/ElementPathFinder.h"
#include "support/StringText.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace editor;

TEST(ElementPathFinder, FindsWhatAReadFromTheStartFindsThroughEditsThatKeepOrChangeElements) {
    StringText text;
    text.text = "<html><head><title>t</title></head><body>";
    for (int i = 0; i < 60; ++i)
        text.text +=
            "<div><p>text " + std::to_string(i) + "</p><!-- c --><ul><li>a<li>b</ul></div>\n";
    // Checkpoints every few hundred bytes, so that edits fall before, between
    // and after many of them.
    ElementPathFinder finder(text, [] { return true; }, {256, 32, 20});
    ASSERT_TRUE(QTest::qWaitFor([&] { return finder.settled(); }, 5000)); // read ahead

    struct Edit {
        const char* what;
        const char* at; // the edit is made where this is first found
        std::string insert;
        std::size_t remove = 0;
    };
    const std::vector<Edit> edits = {
        {"a key in a paragraph's text", "text 5", "x"},
        {"a new element near the start", "<div><p>text 2", "<section>"},
        {"end tags that close elements", "text 10", "</div></div>"},
        {"a comment left open takes in what follows", "text 20", "<!--"},
        {"and its end", "text 40", "-->"},
        {"a deletion across tags", "</p><!-- c --><ul><li>a<li>b</ul></div>\n<div><p>text 31", "",
         20},
        {"an element at the end", "", "<p>end"},
    };
    const auto expectFoundAsReadFromTheStart = [&] {
        const std::size_t length = text.text.size();
        for (const std::size_t caret :
             {std::size_t{0}, length / 3, length / 2, 2 * length / 3, length - 1, length}) {
            std::optional<ElementPath> found;
            finder.find(caret, [&](const ElementPath& path) { found = path; });
            ASSERT_TRUE(QTest::qWaitFor([&] { return found.has_value(); }, 5000));
            EXPECT_EQ(*found, elementPathAt(text.text, caret)) << "caret " << caret;
        }
    };
    int round = 0;
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.what);
        const std::size_t at = *e.at ? text.text.find(e.at) : text.text.size();
        ASSERT_NE(at, std::string::npos);
        if (e.remove)
            text.deleteBytes(at, e.remove);
        else
            text.insertBytes(at, e.insert);
        // Found at once after the edit, or after the text has rested.
        if (++round % 2 == 0) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return finder.settled(); }, 5000));
        }
        expectFoundAsReadFromTheStart();
    }
    // The whole text replaced at once (all of it deleted, then inserted):
    // the read ahead settles again.
    text.replaceText(text.text + "<div><p>after</p>");
    ASSERT_TRUE(QTest::qWaitFor([&] { return finder.settled(); }, 5000));
    expectFoundAsReadFromTheStart();
}
