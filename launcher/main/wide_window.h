// Where the main window goes when the wide button widens it.
#pragma once

#include <cstdint>
#include <optional>

namespace vq {

struct WindowSpan {
    int left;
    int width;
};

// The widened window: `widepercent` of the screen width, moved left so that
// it does not leave the screen on the right.  None when that would not be
// wider than the window is now.
std::optional<WindowSpan> widened(int screen_width, std::int32_t widepercent, WindowSpan now);

}  // namespace vq
