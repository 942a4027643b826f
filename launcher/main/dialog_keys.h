// The keys that work across the main window's controls, read from the
// message loop before a control sees them: Tab and Shift+Tab walk the tab
// order, Escape presses Cancel, Enter presses a focused push button, and
// Alt+letter acts on the control whose caption holds that letter.
#pragma once

#include <windows.h>

namespace vq {

// True when the message was one of those keys for `form` or one of its
// controls and has been acted on.
bool route_dialog_key(HWND form, const MSG& msg);

}  // namespace vq
