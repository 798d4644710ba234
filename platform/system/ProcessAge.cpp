#include "platform/system/ProcessAge.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace platform {

std::int64_t processAgeMs() {
    std::FILE* stat = std::fopen("/proc/self/stat", "re");
    if (!stat)
        return 0;
    char line[1024] = {};
    const bool read = std::fgets(line, sizeof line, stat) != nullptr;
    std::fclose(stat);
    // The start time is the 22nd field, counted after the command's closing
    // parenthesis (the command itself may hold spaces).
    const char* field = read ? std::strrchr(line, ')') : nullptr;
    unsigned long long startTicks = 0;
    if (!field || std::sscanf(field + 2,
                              "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d "
                              "%*d %*d %*d %llu",
                              &startTicks) != 1)
        return 0;
    timespec now{};
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (ticksPerSecond <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return 0;
    const std::int64_t nowMs =
        static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
    const std::int64_t startMs = static_cast<std::int64_t>(startTicks * 1000 / ticksPerSecond);
    return nowMs > startMs ? nowMs - startMs : 0;
}

} // namespace platform
