#include "playvolume/wave_level.h"

#include "support/textops.h"

namespace vq {

std::uint16_t wave_level(std::int32_t volume) {
    clamp(0, 99, volume);
    return static_cast<std::uint16_t>(volume * 65536 / 100);
}

std::uint32_t wave_volume_value(std::uint16_t level) {
    return static_cast<std::uint32_t>(level) << 16 | level;
}

}  // namespace vq
