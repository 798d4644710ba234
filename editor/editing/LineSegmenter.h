#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace editor {

// Style bytes that cut a long line into short runs. The editor lays a line out
// run by run (a run is a stretch of one style) and remembers the widths of
// runs shorter than 30 bytes only, so a line cut this way is re-measured from
// remembered pieces after a change instead of glyph by glyph. The two styles
// look the same; runs end at markup and word boundaries and never inside a
// UTF-8 character.
class LineSegmenter {
public:
    static constexpr std::size_t kLongestRun = 24;

    // The run goes on with the style of the byte before the text.
    explicit LineSegmenter(char previousStyle = 1) : style_(previousStyle) {}

    // Appends one style byte per byte of text.
    void append(std::string_view text, std::string& styles);

private:
    char style_;
    std::size_t run_ = kLongestRun; // the first byte starts a run
};

} // namespace editor
