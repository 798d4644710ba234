#include "platform/system/MappedBlock.h"

#include <new>
#include <utility>

#include <sys/mman.h>

namespace platform {

MappedBlock::MappedBlock(std::size_t bytes) {
    if (bytes == 0)
        return;
    void* block =
        ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    data_ = block;
    bytes_ = bytes;
}

MappedBlock::MappedBlock(MappedBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), bytes_(std::exchange(other.bytes_, 0)) {}

MappedBlock& MappedBlock::operator=(MappedBlock&& other) noexcept {
    MappedBlock gone(std::move(*this));
    data_ = std::exchange(other.data_, nullptr);
    bytes_ = std::exchange(other.bytes_, 0);
    return *this;
}

MappedBlock::~MappedBlock() {
    if (data_)
        ::munmap(data_, bytes_);
}

void MappedBlock::grow(std::size_t bytes) {
    if (bytes <= bytes_)
        return;
    if (!data_) {
        *this = MappedBlock(bytes);
        return;
    }
    void* moved = ::mremap(data_, bytes_, bytes, MREMAP_MAYMOVE);
    if (moved == MAP_FAILED)
        throw std::bad_alloc();
    data_ = moved;
    bytes_ = bytes;
}

} // namespace platform
