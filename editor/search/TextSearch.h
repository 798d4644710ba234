#pragma once

#include "editor/search/SearchPattern.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// Where the next match lies from a selection [selStart, selEnd): forward from
// its end, or backward from its start, round the end of the text when none
// lies that way.
struct FindResult {
    SearchPattern::Outcome outcome = SearchPattern::Outcome::NotFound;
    std::size_t start = 0;
    std::size_t end = 0;
    bool wrapped = false;
};
FindResult findNext(const SearchPattern& pattern, std::string_view text, std::size_t selStart,
                    std::size_t selEnd, bool backwards);

// Whether [selStart, selEnd) is itself a match; its replacement when it is.
std::optional<std::string> replacementOfSelection(const SearchPattern& pattern,
                                                  std::string_view text, std::size_t selStart,
                                                  std::size_t selEnd, std::string_view replacement);

// Every match in [begin, end), none overlapping, with what replaces it.
struct Replacement {
    std::size_t start;
    std::size_t end;
    std::string text;
};
struct AllMatches {
    std::vector<Replacement> replacements;
    bool tooComplex = false;
};
AllMatches collectReplacements(const SearchPattern& pattern, std::string_view text,
                               std::size_t begin, std::size_t end, std::string_view replacement);

} // namespace editor
