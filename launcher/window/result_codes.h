// The result of a window shown modally, and of the main window's run
// request.
#pragma once

namespace vq {

inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

}  // namespace vq
