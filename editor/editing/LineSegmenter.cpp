#include "editor/editing/LineSegmenter.h"

namespace editor {

namespace {

bool startsRun(char c) {
    return c == ' ' || c == '<' || c == '>' || c == '"' || c == '=';
}

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

void LineSegmenter::append(std::string_view text, std::string& styles) {
    styles.reserve(styles.size() + text.size());
    for (const char c : text) {
        if (!continuesCharacter(c) && (run_ >= kLongestRun || startsRun(c))) {
            style_ = static_cast<char>(style_ ^ 1);
            run_ = 0;
        }
        styles += style_;
        ++run_;
    }
}

} // namespace editor
