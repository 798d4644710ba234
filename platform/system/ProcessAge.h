#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since this process started (as the system counts from its
// exec, libraries loading included); 0 when it cannot be read. Coarse: the
// system keeps the start in ticks of 10 ms or less.
std::int64_t processAgeMs();

} // namespace platform
