#include "editor/editing/LineSegmenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using editor::LineSegmenter;

namespace {

// The runs of equal style bytes, as the texts they cover.
std::vector<std::string> runs(const std::string& text, const std::string& styles) {
    std::vector<std::string> out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || styles[i] != styles[i - 1])
            out.emplace_back();
        out.back() += text[i];
    }
    return out;
}

} // namespace

TEST(LineSegmenterTest, CutsAtMarkupAndWordsIntoShortRunsNeverInsideACharacter) {
    const std::string text = "<a href=\"x\">caf\xC3\xA9 " + std::string(23, 'y') +
                             "\xE2\x82\xAC"
                             "zz</a>";
    std::string styles;
    LineSegmenter segmenter(0);
    // Fed in two pieces, cut inside the euro sign: the run goes on across them.
    const size_t cut = text.find("\xE2\x82\xAC") + 1;
    segmenter.append(text.substr(0, cut), styles);
    segmenter.append(text.substr(cut), styles);
    ASSERT_EQ(styles.size(), text.size());
    EXPECT_EQ(runs(text, styles),
              (std::vector<std::string>{"<a", " href", "=", "\"x", "\"", ">caf\xC3\xA9",
                                        " " + std::string(23, 'y'),
                                        "\xE2\x82\xAC"
                                        "zz",
                                        "</a", ">"}));
    EXPECT_EQ(styles[0], 1); // differs from the byte before the text
    for (size_t i = 1; i < styles.size(); ++i)
        EXPECT_TRUE(styles[i] == 0 || styles[i] == 1);
}
