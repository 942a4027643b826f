// Display scale: the launcher's windows are designed in pixels at 96 dots
// per inch; at another DPI every designed length is multiplied by DPI / 96.
// This is the one place that computes a scaled length; everything else
// keeps speaking in design pixels and asks here.
#pragma once

namespace vq {

inline constexpr int kDesignDpi = 96;

// A design length at `dpi`, rounded to the nearest pixel (halves away from
// zero, as MulDiv rounds).  A DPI of 0 or less counts as 96.
int scale_px(int design, int dpi);

// A length measured at `from_dpi` (not a design length) at `to_dpi`.
int rescale_px(int px, int from_dpi, int to_dpi);

}  // namespace vq
