#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace editor {

// The text of [from, to), as the caller holds it.
using TextReader = std::function<std::string_view(std::size_t from, std::size_t to)>;

struct TagMatch {
    enum class Outcome {
        NotInTag,  // the caret is in no tag
        Found,     // tag and partner
        NoPartner, // void, self-closed, or never closed or opened
        TooFar,    // the work allowed ran out first
    };
    Outcome outcome = Outcome::NotInTag;
    std::size_t tagStart = 0, tagEnd = 0;
    std::size_t partnerStart = 0, partnerEnd = 0;
};

// The start or end tag the caret is in (from its "<" to just after its ">")
// and its partner, found by counting the tags of the same name between them:
// the work is the text between the two, and no more than `budget` bytes.
TagMatch matchTag(const TextReader& read, std::size_t length, std::size_t caret, bool xml,
                  std::size_t budget);

} // namespace editor
