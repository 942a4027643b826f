#include "main/edit_keys.h"

namespace vq {

EditKeyAction edit_key_down(int key, unsigned mods, bool is_char, const EditBoxState& box, bool& ctrlq) {
    EditKeyAction a;
    a.key = key;
    if (key == kVkReturn) {
        a.key = 0;
        a.run = true;
        return a;
    }
    if (key == kVkDown) {
        a.key = 0;
        a.focus_list = true;
        return a;
    }
    const bool whole_selected = box.sellen >= box.textlen;
    if (whole_selected && (mods == 0 || mods == kModShift) && is_char) a.clear_text = true;
    if (mods == kModCtrl) {
        switch (key) {
            case kVkD:
                if (ctrlq) {
                    a.key = kVkEnd;
                    ctrlq = false;
                } else {
                    a.caret = box.selstart + 1 > box.textlen ? box.textlen : box.selstart + 1;
                    a.key = 0;
                }
                break;
            case kVkS:
                if (ctrlq) {
                    a.key = kVkHome;
                    ctrlq = false;
                } else {
                    a.caret = box.selstart > 0 ? box.selstart - 1 : 0;
                    a.key = 0;
                }
                break;
            case kVkQ:
                ctrlq = !ctrlq;
                a.key = 0;
                break;
            default:
                break;
        }
    }
    return a;
}

}  // namespace vq
