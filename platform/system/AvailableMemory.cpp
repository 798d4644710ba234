#include "platform/system/AvailableMemory.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include <vector>

#include <sys/mman.h>
#include <sys/resource.h>

namespace platform {

namespace {

// The number after `key` in a "key value [kB]" file such as /proc/meminfo.
std::optional<std::uint64_t> field(const char* file, const std::string& key, std::uint64_t unit) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::istringstream rest(line.substr(key.size()));
        std::uint64_t value = 0;
        if (rest >> value)
            return value * unit;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> number(const std::string& file) {
    std::ifstream in(file);
    std::uint64_t value = 0;
    if (in >> value) // "max" reads as nothing: no limit
        return value;
    return std::nullopt;
}

// cgroup v2: the process's group from /proc/self/cgroup ("0::/path").
std::optional<std::uint64_t> cgroupRoom() {
    std::ifstream in("/proc/self/cgroup");
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, 3, "0::") != 0)
            continue;
        const std::string group = "/sys/fs/cgroup" + line.substr(3);
        const auto max = number(group + "/memory.max");
        const auto current = number(group + "/memory.current");
        if (max && current)
            return *max > *current ? *max - *current : 0;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> limitRoom(int resource, const char* usedKey) {
    rlimit limit{};
    if (::getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::nullopt;
    const auto used = field("/proc/self/status", usedKey, 1024).value_or(0);
    return limit.rlim_cur > used ? limit.rlim_cur - used : 0;
}

} // namespace

std::optional<std::uint64_t> availableMemory() {
    std::optional<std::uint64_t> least;
    for (const auto& room : {field("/proc/meminfo", "MemAvailable:", 1024), cgroupRoom(),
                             limitRoom(RLIMIT_AS, "VmSize:"), limitRoom(RLIMIT_DATA, "VmData:")}) {
        if (room)
            least = least ? std::min(*least, *room) : *room;
    }
    return least;
}

bool canReserve(std::initializer_list<std::size_t> sizes) {
    std::vector<std::pair<void*, std::size_t>> mapped;
    bool all = true;
    for (const std::size_t size : sizes) {
        if (size == 0)
            continue;
        void* block =
            ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block == MAP_FAILED) {
            all = false;
            break;
        }
        mapped.emplace_back(block, size);
    }
    for (const auto& [block, size] : mapped)
        ::munmap(block, size);
    return all;
}

} // namespace platform
