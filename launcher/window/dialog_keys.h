// The keys that work across a window's controls, read from the message
// loop before a control sees them: Tab and Shift+Tab walk the tab order,
// Escape presses Cancel (IDCANCEL) where the window has one, Enter presses
// a focused push button, and Alt+letter acts on the control whose caption
// holds that letter; the arrow keys move between the items of a radio
// group.
#pragma once

#include <windows.h>

#include <span>

#include "window/form_table.h"

namespace vq {

// True when the message was one of those keys for `form` (whose controls
// `controls` describes) or one of its controls and has been acted on.
bool route_dialog_key(HWND form, std::span<const ControlDef> controls, const MSG& msg);

}  // namespace vq
