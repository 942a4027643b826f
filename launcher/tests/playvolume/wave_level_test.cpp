// The start-up sound's volume: the level of a percentage and the value the
// wave-out device gets.
#include <gtest/gtest.h>

#include "playvolume/wave_level.h"

namespace {

TEST(WaveLevel, ScalesTheBoundedPercentageTo16Bits) {
    EXPECT_EQ(vq::wave_level(0), 0);
    EXPECT_EQ(vq::wave_level(1), 655);
    EXPECT_EQ(vq::wave_level(50), 32768);
    EXPECT_EQ(vq::wave_level(99), 64880);
    EXPECT_EQ(vq::wave_level(100), 64880);
    EXPECT_EQ(vq::wave_level(150), 64880);
    EXPECT_EQ(vq::wave_level(-3), 0);
    EXPECT_EQ(vq::wave_level(INT32_MAX), 64880);
    EXPECT_EQ(vq::wave_level(INT32_MIN), 0);
}

TEST(WaveLevel, BothChannelsGetTheLevel) {
    EXPECT_EQ(vq::wave_volume_value(32768), 0x80008000u);
    EXPECT_EQ(vq::wave_volume_value(655), 655u << 16 | 655u);
    EXPECT_EQ(vq::wave_volume_value(0), 0u);
}

}  // namespace
