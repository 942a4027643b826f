#include "window/dpi_scale.h"

#include <cstdint>

namespace vq {

int rescale_px(int px, int from_dpi, int to_dpi) {
    if (from_dpi <= 0) from_dpi = kDesignDpi;
    if (to_dpi <= 0) to_dpi = kDesignDpi;
    if (from_dpi == to_dpi) return px;
    const std::int64_t n = std::int64_t{px} * to_dpi;
    const std::int64_t half = from_dpi / 2;
    return static_cast<int>(n >= 0 ? (n + half) / from_dpi : -((-n + half) / from_dpi));
}

int scale_px(int design, int dpi) {
    return rescale_px(design, kDesignDpi, dpi);
}

}  // namespace vq
