#pragma once

#include <QString>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace editor {

struct SearchOptions {
    bool matchCase = false;
    bool wholeWord = false;
    bool regex = false;
    bool backwards = false;
};

// One match: byte offsets into the text searched, the whole match first,
// then each capture group (-1 when a group took no part).
struct SearchMatch {
    std::size_t start = 0;
    std::size_t end = 0;
    std::vector<std::ptrdiff_t> groups; // start, end pairs, group 0 included
};

// A compiled search: what the user typed, as a PCRE2 pattern in UTF mode,
// compiled to machine code once and run over the editor's UTF-8 bytes.
// Text that is not valid UTF-8 (pasted bytes) is searched safely: its bad
// bytes never match.
class SearchPattern {
public:
    struct Error {
        QString message;
        int offset = 0; // in characters of the pattern
    };
    enum class Outcome { Found, NotFound, TooComplex };

    // The pattern, or why it cannot be searched for.
    static std::variant<SearchPattern, Error> compile(const QString& text,
                                                      const SearchOptions& options);

    SearchPattern(SearchPattern&&) noexcept;
    SearchPattern& operator=(SearchPattern&&) noexcept;
    ~SearchPattern();

    // The first match that starts at or after `from` and ends by `end` (the
    // text after `end` is not looked at; before `from` it is, for lookbehind).
    Outcome findForward(std::string_view text, std::size_t from, std::size_t end,
                        SearchMatch& match) const;
    // The last match that starts at or after `begin` and ends by `before`.
    Outcome findBackward(std::string_view text, std::size_t begin, std::size_t before,
                         SearchMatch& match) const;

    // The replacement for a match: for a regular expression, \1 to \9 and $1
    // to $99 (or ${n}) stand for the groups, \\ and $$ for themselves, \n, \r
    // and \t for their characters; otherwise the text as typed.
    std::string expand(std::string_view replacement, std::string_view text,
                       const SearchMatch& match) const;

private:
    struct Compiled;
    explicit SearchPattern(std::unique_ptr<Compiled> compiled, bool regex);
    std::unique_ptr<Compiled> compiled_;
    bool regex_ = false;
};

} // namespace editor
