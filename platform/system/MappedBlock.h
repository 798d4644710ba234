#pragma once

#include <cstddef>

namespace platform {

// Zeroed memory in a mapping of its own, which goes back to the system
// whole when the block is freed. Memory from malloc below its mapping
// threshold (raised as large blocks come and go) stays with the process
// after it is freed. Growing keeps the contents without a second copy: the
// system moves the pages.
class MappedBlock {
public:
    MappedBlock() = default;
    // Throws std::bad_alloc when the system refuses.
    explicit MappedBlock(std::size_t bytes);
    MappedBlock(MappedBlock&& other) noexcept;
    MappedBlock& operator=(MappedBlock&& other) noexcept;
    MappedBlock(const MappedBlock&) = delete;
    MappedBlock& operator=(const MappedBlock&) = delete;
    ~MappedBlock();

    void* data() const { return data_; }
    std::size_t size() const { return bytes_; }
    // The bytes added are zero. Throws std::bad_alloc when the system refuses,
    // and the block is then as it was.
    void grow(std::size_t bytes);

private:
    void* data_ = nullptr;
    std::size_t bytes_ = 0;
};

} // namespace platform
