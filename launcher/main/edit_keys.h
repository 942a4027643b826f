// What a key pressed in the command box does: Enter runs, Down arrow goes
// to the list, a character key replaces a fully selected text, and the
// Ctrl+D / Ctrl+S / Ctrl+Q caret keys (Ctrl+Q first makes D and S jump to
// the end and the start).  Pure decision logic; the window code applies it.
#pragma once

namespace vq {

enum KeyMods : unsigned { kModShift = 1, kModCtrl = 2, kModAlt = 4 };

enum : int {
    kVkReturn = 13,
    kVkEnd = 35,
    kVkHome = 36,
    kVkDown = 40,
    kVkD = 68,
    kVkQ = 81,
    kVkS = 83,
};

struct EditBoxState {
    int selstart = 0;
    int sellen = 0;
    int textlen = 0;
};

struct EditKeyAction {
    int key = 0;              // the key the edit control gets; 0 = none
    bool run = false;         // a run request (window result 1, close)
    bool focus_list = false;  // move the focus to the history list
    bool clear_text = false;  // empty the box first, caret at 0
    int caret = -1;           // put the caret here, nothing selected; -1 = leave
};

// `is_char` tells whether the key would type a character under the current
// keyboard state; `ctrlq` is the pending Ctrl+Q state, updated here.
EditKeyAction edit_key_down(int key, unsigned mods, bool is_char, const EditBoxState& box, bool& ctrlq);

}  // namespace vq
