#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace platform {

// Bytes this process may still allocate: the least of the memory the system
// has available, the room left in the process's cgroup, and the room left
// under its address-space and data limits. Nothing when none can be read.
std::optional<std::uint64_t> availableMemory();

// Whether blocks of these sizes could all be allocated now: each is mapped
// and unmapped again without a page touched. Straight from the system, so
// the allocator's own thresholds are not moved by the asking.
bool canReserve(std::initializer_list<std::size_t> sizes);

} // namespace platform
