#include "platform/system/MappedBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>

using platform::MappedBlock;

TEST(MappedBlock, GrowsKeepingItsBytesWithTheNewOnesZeroAndStaysWholeWhenRefused) {
    MappedBlock block(4096);
    std::memset(block.data(), 0x5a, block.size());
    block.grow(1 << 20);
    ASSERT_EQ(block.size(), std::size_t{1} << 20);
    const auto* bytes = static_cast<const unsigned char*>(block.data());
    EXPECT_TRUE(std::all_of(bytes, bytes + 4096, [](unsigned char b) { return b == 0x5a; }));
    EXPECT_TRUE(
        std::all_of(bytes + 4096, bytes + block.size(), [](unsigned char b) { return b == 0; }));

    // More than any address space holds: refused, and the block is as it was.
    EXPECT_THROW(block.grow(std::size_t{1} << 62), std::bad_alloc);
    ASSERT_EQ(block.size(), std::size_t{1} << 20);
    bytes = static_cast<const unsigned char*>(block.data());
    EXPECT_EQ(bytes[4095], 0x5a);
    EXPECT_THROW(MappedBlock(std::size_t{1} << 62), std::bad_alloc);
}
