#include <gtest/gtest.h>

#include "common/scramble.h"

namespace trailcfg {
namespace {

TEST(Scramble, IsXorThenRotateRightByTwoAndItsExactInverse) {
    // 0x00 ^ 0xA7 = 1010 0111, rotated right by two: 1110 1001.
    EXPECT_EQ(ScrambleByte(0x00), 0xE9);
    EXPECT_EQ(ScrambleByte(0xA7), 0x00);
    // 0x81 ^ 0xA7 = 0010 0110 -> 1000 1001
    EXPECT_EQ(ScrambleByte(0x81), 0x89);
    for (int b = 0; b < 256; ++b) {
        auto plain = static_cast<std::uint8_t>(b);
        EXPECT_EQ(UnscrambleByte(ScrambleByte(plain)), plain);
        EXPECT_EQ(ScrambleByte(UnscrambleByte(plain)), plain);
    }
}

}  // namespace
}  // namespace trailcfg
