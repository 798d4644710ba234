#include "editor/markup/IdTable.h"

#include "platform/files/ContentDigest.h"

namespace editor {

std::optional<IdTable::Place> IdTable::firstOrKeep(std::string_view id, Place here,
                                                   std::size_t most) {
    platform::ContentDigest digest;
    digest.add(id);
    const std::uint64_t value = digest.value() | 1; // never 0, the empty slot's mark
    if (slots_.empty())
        slots_.resize(1024);
    // Open addressing, linear probing; the table is at most four fifths full.
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = value & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.digest == value)
            return slot.at;
        if (slot.digest != 0)
            continue;
        if (kept_ >= most)
            return std::nullopt;
        slot = {value, here};
        if (++kept_ * 5 > slots_.size() * 4)
            grow();
        return std::nullopt;
    }
}

void IdTable::grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.digest == 0)
            continue;
        std::size_t i = slot.digest & mask;
        while (slots_[i].digest != 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

} // namespace editor
