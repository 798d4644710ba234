#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// Bytes this process may still allocate: the least of the memory the system
// has available, the room left in the process's cgroup, and the room left
// under its address-space and data limits. Nothing when none can be read.
std::optional<std::uint64_t> availableMemory();

} // namespace platform
