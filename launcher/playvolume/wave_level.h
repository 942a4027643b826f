// The wave-out level of the start-up sound's volume percentage.
#pragma once

#include <cstdint>

namespace vq {

// The volume bounded to 0..99, then scaled to 16 bits: volume * 65536 / 100
// (0 for 0, 655 for 1, 32768 for 50, 64880 for 99).
std::uint16_t wave_level(std::int32_t volume);

// The value handed to the wave-out device: the level for the left channel
// in the low word and for the right channel in the high word, so that a
// stereo device plays on both sides (a device with one volume control reads
// the low word only).
std::uint32_t wave_volume_value(std::uint16_t level);

}  // namespace vq
