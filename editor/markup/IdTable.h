#pragma once

#include "platform/system/MappedBlock.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace editor {

// The ids a page has given so far, each kept as a 62-bit digest of its value
// with where it was first given, in one block of 16-byte slots at most four
// fifths full (4 MB for the most a check keeps). The block is a mapping of
// its own, grown in place, so a check never holds two tables at once and
// the memory goes back to the system when the check ends. We choose: two
// different ids with the same digest, about one chance in a hundred million
// for the most a check keeps, would be told as the same id.
class IdTable {
public:
    struct Place {
        std::uint32_t line = 0;
        std::uint32_t column = 0;
    };

    // Where `id` was first given; none for a new id, which is kept (while
    // fewer than `most` are) as given at `here`.
    std::optional<Place> firstOrKeep(std::string_view id, Place here, std::size_t most);
    std::size_t size() const { return kept_; }

private:
    struct Slot {
        std::uint64_t digest = 0; // 0: empty
        Place at;
    };
    Slot* table() const { return static_cast<Slot*>(block_.data()); }
    std::size_t slotCount() const { return block_.size() / sizeof(Slot); }
    void grow();

    platform::MappedBlock block_;
    std::size_t kept_ = 0;
};

} // namespace editor
