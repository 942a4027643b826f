// The main window's form: control IDs, kinds, design positions, anchors,
// fonts and tab order, as one table.  The window code creates the controls
// from this table and re-applies the anchors on every resize.  No Win32
// types here, so the test harness can share the IDs.
#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include "window/anchors.h"
#include "window/form_table.h"

namespace vq {

// Client size of the main window as designed (pixels at 96 DPI, as every
// length in this table).
inline constexpr int kFormClientWidth = 429;
inline constexpr int kFormClientHeight = 334;

// Control IDs (child window IDs of the main window).  Cancel and OK use the
// dialog IDs so that Escape and message-box code agree with them.
enum ControlId : int {
    ID_BitBtn_OK = 1,
    ID_BitBtn_cancel = 2,
    ID_Edit = 100,
    ID_ListBox = 101,
    ID_Label_stat = 102,
    ID_CheckBox_DontSave = 103,
    ID_BitBtn_Find = 104,
    ID_BitBtn_Back = 105,
    ID_BitBtn_restoreexec = 120,
    ID_BitBtn_Delete = 121,
    ID_CheckBox_WaitExec = 122,
    ID_BitBtn_Help = 123,
    ID_Checkbox_Debug = 124,
    ID_CheckBox_SaveJunk = 125,
    ID_button_wide = 126,
    // Sorting: the radio group's frame and its two items, and Reverse.
    ID_RadioGroup_Sort = 130,
    ID_RadioGroup_Sort_time = 131,
    ID_RadioGroup_Sort_alpha = 132,
    ID_CheckBox_Reverse = 133,
    // Favorites: the list over the history list and the button that opens it.
    ID_ListBox_Favorites = 134,
    ID_BitBtn_Favorites = 135,
};

// Timer IDs of the main window.
enum TimerId : unsigned {
    ID_Timer_OnTop = 1,      // 100 ms: pulls the window to the front for `ontoptime` ticks
    ID_Timer_favorites = 2,  // 250 ms: a click or a double click in the favorites
};

// The controls, in the order they are created (which is the tab order).
std::span<const ControlDef> form_controls();

// Where a control with these anchors lies when the client area has the
// given size in pixels at `dpi`: anchored edges keep their design distance
// (scaled) to the window's edges; a control anchored on both opposite edges
// stretches.
Rect anchored_rect(const ControlDef& c, int client_width, int client_height, int dpi = 96);

// The extent the controls need along one axis (vertical: height, else
// width): the far edge of the visible controls anchored to the near edge
// only (top, or left).  Those keep their place when the window shrinks, so
// a client area smaller than this cuts them off and the window scrolls.
// `top_of` gives a control's top, which may differ from the table's when
// the window has moved it (in design pixels).  The result is in pixels at
// `dpi`.
int auto_scroll_range(bool vertical, const std::function<bool(int id)>& visible,
                      const std::function<int(const ControlDef&)>& top_of = nullptr, int dpi = 96);

}  // namespace vq
