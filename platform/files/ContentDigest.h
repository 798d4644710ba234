#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

struct XXH3_state_s;

namespace platform {

// A 64-bit digest of bytes fed in pieces: enough to tell whether a file's
// content is the one we read or wrote, fast enough to take along every read
// and write of a large page.
class ContentDigest {
public:
    ContentDigest();
    ~ContentDigest();
    ContentDigest(ContentDigest&&) noexcept;
    ContentDigest& operator=(ContentDigest&&) noexcept;

    void add(std::string_view bytes);
    std::uint64_t value() const;

    // The digest of everything an open file holds from its start; nothing
    // when it cannot be read.
    static std::optional<std::uint64_t> ofFile(int fd);

private:
    struct FreeState {
        void operator()(XXH3_state_s* state) const;
    };
    std::unique_ptr<XXH3_state_s, FreeState> state_;
};

} // namespace platform
