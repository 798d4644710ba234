#include "platform/files/ContentDigest.h"

#include <xxhash.h>

#include <cerrno>
#include <new>
#include <vector>

#include <unistd.h>

namespace platform {

void ContentDigest::FreeState::operator()(XXH3_state_s* state) const {
    XXH3_freeState(state);
}

ContentDigest::ContentDigest() : state_(XXH3_createState()) {
    if (!state_)
        throw std::bad_alloc();
    XXH3_64bits_reset(state_.get());
}

ContentDigest::~ContentDigest() = default;
ContentDigest::ContentDigest(ContentDigest&&) noexcept = default;
ContentDigest& ContentDigest::operator=(ContentDigest&&) noexcept = default;

void ContentDigest::add(std::string_view bytes) {
    XXH3_64bits_update(state_.get(), bytes.data(), bytes.size());
}

std::uint64_t ContentDigest::value() const {
    return XXH3_64bits_digest(state_.get());
}

std::optional<std::uint64_t> ContentDigest::ofFile(int fd) {
    ContentDigest digest;
    std::vector<char> buffer(1 << 20);
    for (off_t offset = 0;;) {
        const ssize_t n = ::pread(fd, buffer.data(), buffer.size(), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return digest.value();
        digest.add(std::string_view(buffer.data(), static_cast<size_t>(n)));
        offset += n;
    }
}

} // namespace platform
