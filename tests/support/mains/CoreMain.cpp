#include <gtest/gtest.h>

// For tests of pure logic: no Qt application object.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
