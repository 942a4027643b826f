#include "main/wide_window.h"

#include <algorithm>
#include <limits>

namespace vq {

std::optional<WindowSpan> widened(int screen_width, std::int32_t widepercent, WindowSpan now) {
    // Worked out in 64 bits: a large percentage must not wrap around.
    const std::int64_t wide = std::int64_t{screen_width} * widepercent / 100;
    if (wide < now.width) return std::nullopt;
    WindowSpan span{now.left,
                    static_cast<int>(std::min<std::int64_t>(wide, std::numeric_limits<int>::max()))};
    if (std::int64_t{screen_width} < std::int64_t{span.left} + span.width)
        span.left = screen_width - span.width;
    return span;
}

}  // namespace vq
