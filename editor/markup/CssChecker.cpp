#include "editor/markup/CssChecker.h"

namespace editor {

namespace {

constexpr std::size_t kDeepest = 1'000'000;

char closerOf(char opener) {
    return opener == '{' ? '}' : opener == '[' ? ']' : ')';
}

std::string text(char c) {
    return "\u201c" + std::string(1, c) + "\u201d";
}

} // namespace

void CssChecker::feed(std::string_view piece) {
    for (const char c : piece) {
        if (stopped())
            return;
        step(c);
        if (c == '\n' && previous_ == '\r') {
            column_ = 1;
        } else if (c == '\n' || c == '\r') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
        previous_ = c;
        ++pos_;
    }
}

void CssChecker::step(char c) {
    const Open here{c, pos_, line_, column_};
    switch (state_) {
    case State::String:
        if (c == '\\') {
            state_ = State::Escape;
        } else if (c == quote_) {
            state_ = State::Text;
        } else if (c == '\n' || c == '\r') {
            // A string cannot run past its line (unless the line end is escaped).
            report({string_.start, pos_, string_.line, string_.column,
                    "This string is not closed before the end of its line."});
            state_ = State::Text;
        }
        return;
    case State::Escape:
        state_ = State::String;
        return;
    case State::CommentStart:
        if (c == '*') {
            state_ = State::Comment;
            return;
        }
        state_ = State::Text;
        break; // the "/" was plain text: this character is read as text
    case State::Comment:
        if (c == '*')
            state_ = State::CommentEnd;
        return;
    case State::CommentEnd:
        state_ = c == '/' ? State::Text : c == '*' ? State::CommentEnd : State::Comment;
        return;
    case State::Text:
        break;
    }
    switch (c) {
    case '"':
    case '\'':
        quote_ = c;
        string_ = here;
        state_ = State::String;
        return;
    case '/':
        comment_ = here;
        state_ = State::CommentStart;
        return;
    case '{':
    case '[':
    case '(':
        if (open_.size() >= kDeepest)
            return stop("Checking stopped: the brackets are nested more than a million deep.");
        open_.push_back(here);
        return;
    case '}':
    case ']':
    case ')':
        if (open_.empty()) {
            report({pos_, pos_ + 1, line_, column_, text(c) + " closes nothing."});
        } else if (closerOf(open_.back().bracket) != c) {
            const Open& o = open_.back();
            report({pos_, pos_ + 1, line_, column_,
                    text(c) + " closes " + text(o.bracket) + " of line " + std::to_string(o.line) +
                        ", column " + std::to_string(o.column) + ", which needs " +
                        text(closerOf(o.bracket)) + "."});
            open_.pop_back();
        } else {
            open_.pop_back();
        }
        return;
    default:
        return;
    }
}

void CssChecker::finish() {
    if (stopped())
        return;
    if (state_ == State::String || state_ == State::Escape)
        report({string_.start, pos_, string_.line, string_.column, "This string is never closed."});
    if (state_ == State::Comment || state_ == State::CommentEnd)
        report({comment_.start, comment_.start + 2, comment_.line, comment_.column,
                "This comment is never closed."});
    for (const Open& o : open_)
        report({o.start, o.start + 1, o.line, o.column,
                text(o.bracket) + " is never closed by " + text(closerOf(o.bracket)) + "."});
    open_.clear();
}

} // namespace editor
