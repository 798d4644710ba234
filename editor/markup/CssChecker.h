#pragma once

#include "editor/markup/MarkupChecker.h"

#include <vector>

namespace editor {

// Checks a style sheet's brackets ({}, [], ()) and strings as it streams
// past; comments are skipped.
class CssChecker final : public MarkupChecker {
public:
    void feed(std::string_view piece) override;
    void finish() override;

private:
    struct Open {
        char bracket;
        std::size_t start;
        long line;
        long column;
    };
    enum class State { Text, String, Escape, CommentStart, Comment, CommentEnd };
    void step(char c);

    State state_ = State::Text;
    char quote_ = 0;
    Open string_{};
    Open comment_{};
    std::vector<Open> open_;
    std::size_t pos_ = 0;
    long line_ = 1;
    long column_ = 1;
    char previous_ = 0;
};

} // namespace editor
