// The keys that work across the main window's controls, read from the
// message loop before a control sees them: Tab and Shift+Tab walk the tab
// order, Escape presses Cancel (IDCANCEL), Enter presses a focused push button, and
// Alt+letter acts on the control whose caption holds that letter; the
// arrow keys move between the items of a radio group.
#pragma once

#include <windows.h>

#include <span>

#include "window/form_table.h"

namespace vq {

// True when the message was one of those keys for `form` (whose controls
// `controls` describes) or one of its controls and has been acted on.
bool route_dialog_key(HWND form, std::span<const ControlDef> controls, const MSG& msg);

// The same keys for a window without a form table (the help and the
// file-template windows): Tab and Shift+Tab, Enter on a focused push button,
// and Alt+letter pressing the push button whose caption holds that letter.
// Escape is left to the window.
bool route_window_key(HWND window, const MSG& msg);

}  // namespace vq
