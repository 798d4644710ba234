#include "editor/markup/IdTable.h"

#include "platform/files/ContentDigest.h"

namespace editor {

namespace {

// Bit 0 marks a slot in use; bit 1 marks a slot already moved while the
// table grows, and is clear otherwise.
constexpr std::uint64_t kInUse = 1;
constexpr std::uint64_t kMoved = 2;
constexpr std::size_t kFirstSlots = 1024;

std::size_t home(std::uint64_t digest, std::size_t mask) {
    return static_cast<std::size_t>(digest >> 2) & mask;
}

} // namespace

std::optional<IdTable::Place> IdTable::firstOrKeep(std::string_view id, Place here,
                                                   std::size_t most) {
    platform::ContentDigest digest;
    digest.add(id);
    const std::uint64_t value = (digest.value() | kInUse) & ~kMoved;
    if (slotCount() == 0)
        block_ = platform::MappedBlock(kFirstSlots * sizeof(Slot));
    // Open addressing, linear probing; the table is at most four fifths full,
    // grown before a new id would fill it more, so that a growth refused for
    // want of memory leaves it as it was, the id not kept.
    for (;;) {
        Slot* slot = table();
        const std::size_t mask = slotCount() - 1;
        std::size_t i = home(value, mask);
        while (slot[i].digest != 0 && slot[i].digest != value)
            i = (i + 1) & mask;
        if (slot[i].digest == value)
            return slot[i].at;
        if (kept_ >= most)
            return std::nullopt;
        if ((kept_ + 1) * 5 > slotCount() * 4) {
            grow();
            continue; // its place in the larger table
        }
        slot[i] = {value, here};
        ++kept_;
        return std::nullopt;
    }
}

// Doubles the table where it is. Each id still to move goes to the first
// slot on its new probe path that is free or holds an id still to move, which
// it then carries on: every slot on a moved id's path holds a moved id, and
// moved ids stay where they are, so each is found again.
void IdTable::grow() {
    const std::size_t oldCount = slotCount();
    block_.grow(block_.size() * 2);
    Slot* slot = table();
    const std::size_t mask = slotCount() - 1;
    for (std::size_t i = 0; i < oldCount; ++i) {
        if (slot[i].digest == 0 || (slot[i].digest & kMoved))
            continue;
        Slot carried = slot[i];
        slot[i] = Slot{};
        for (;;) {
            std::size_t j = home(carried.digest, mask);
            while (slot[j].digest & kMoved)
                j = (j + 1) & mask;
            const Slot next = slot[j];
            slot[j] = {carried.digest | kMoved, carried.at};
            if (next.digest == 0)
                break;
            carried = next;
        }
    }
    for (std::size_t i = 0; i <= mask; ++i)
        slot[i].digest &= ~kMoved;
}

} // namespace editor
