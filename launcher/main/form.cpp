#include "main/form.h"

#include "window/dpi_scale.h"

namespace vq {

namespace {
constexpr unsigned kAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;
constexpr unsigned kTopRight = kAnchorTop | kAnchorRight;
constexpr unsigned kRightBottom = kAnchorRight | kAnchorBottom;

// Sorted by tab order; controls without a tab stop come last.  The one
// exception, the favorites list, is created right before the history list
// so that it lies above it: a later sibling would lie under it, hidden, and
// its clicks would reach the history list.  Likewise the items of the radio
// group come before its frame.
const ControlDef kControls[] = {
    {ID_Edit, "Edit", ControlKind::Edit, 4, 4, 246, 24, kAnchorLeft | kAnchorTop | kAnchorRight,
     ControlFont::CourierEdit, "", 0, true, 0},
    {ID_ListBox_Favorites, "ListBox_Favorites", ControlKind::PickList, 28, 32, 221, 269, kAll,
     ControlFont::Form, "", 12, false, 13},
    {ID_ListBox, "ListBox", ControlKind::ListBox, 4, 32, 247, 295, kAll, ControlFont::CourierList, "", 1,
     true, 14},
    // Only the checked item of the radio group is a tab stop (Sort_click
    // moves it).
    {ID_RadioGroup_Sort_time, "RadioGroup_Sort[0]", ControlKind::RadioButton, 269, 79, 61, 17, kTopRight,
     ControlFont::Form, "&time", 2, true, 0},
    {ID_RadioGroup_Sort_alpha, "RadioGroup_Sort[1]", ControlKind::RadioButton, 269, 101, 61, 17, kTopRight,
     ControlFont::Form, "&alpha", -1, true, 0},
    {ID_RadioGroup_Sort, "RadioGroup_Sort", ControlKind::GroupBox, 261, 64, 77, 61, kTopRight,
     ControlFont::Form, "sort by", -1, true, 0},
    {ID_CheckBox_Reverse, "CheckBox_Reverse", ControlKind::CheckBox, 345, 72, 73, 17, kTopRight,
     ControlFont::Form, "&Reverse", 3, true, 0},
    {ID_BitBtn_cancel, "BitBtn_cancel", ControlKind::ImageButton, 352, 270, 75, 25, kRightBottom,
     ControlFont::Form, "Cancel", 4, true, 0},
    {ID_BitBtn_OK, "BitBtn_OK", ControlKind::ImageButton, 352, 302, 75, 25, kRightBottom, ControlFont::Form, "OK",
     5, true, 0},
    {ID_CheckBox_DontSave, "CheckBox_DontSave", ControlKind::CheckBox, 261, 202, 161, 17, kTopRight,
     ControlFont::Form, "Don't &save changed junk", 6, false, 0},
    {ID_BitBtn_restoreexec, "BitBtn_restoreexec", ControlKind::Button, 336, 4, 89, 25, kTopRight,
     ControlFont::Form, "restore &exec", 7, false, 0},
    {ID_BitBtn_Delete, "BitBtn_Delete", ControlKind::Button, 352, 100, 75, 25, kTopRight, ControlFont::Form,
     "&Delete", 8, true, 0},
    {ID_CheckBox_WaitExec, "CheckBox_WaitExec", ControlKind::CheckBox, 345, 40, 81, 17, kTopRight,
     ControlFont::Form, "Repeat &key", 9, true, 0},
    {ID_BitBtn_Help, "BitBtn_Help", ControlKind::ImageButton, 352, 238, 75, 25, kRightBottom, ControlFont::Form,
     "&Help", 10, true, 0},
    {ID_BitBtn_Find, "BitBtn_Find", ControlKind::Button, 352, 132, 75, 25, kTopRight, ControlFont::Form,
     "&Find", 11, true, 0},
    {ID_BitBtn_Favorites, "BitBtn_Favorites", ControlKind::ImageButton, 352, 164, 75, 25, kTopRight,
     ControlFont::Form, "Fa&vorites", 13, false, 0},
    {ID_Checkbox_Debug, "Checkbox_Debug", ControlKind::CheckBox, 260, 238, 73, 17, kTopRight,
     ControlFont::Form, "Bu&g", 14, true, 0},
    {ID_CheckBox_SaveJunk, "CheckBox_SaveJunk", ControlKind::CheckBox, 260, 220, 121, 17, kTopRight,
     ControlFont::Form, "Save any&way", 15, true, 0},
    {ID_BitBtn_Back, "BitBtn_Back", ControlKind::Button, 260, 4, 65, 25, kTopRight, ControlFont::Form,
     "&Back", 16, true, 0},
    {ID_button_wide, "button_wide", ControlKind::Button, 260, 36, 49, 25, kTopRight, ControlFont::Form,
     "w&ide", 17, true, 0},
    {ID_Label_stat, "Label_stat", ControlKind::Label, 262, 270, 81, 57, kRightBottom, ControlFont::Form, "",
     -1, true, 0},
};
}  // namespace

std::span<const ControlDef> form_controls() {
    return kControls;
}

Rect anchored_rect(const ControlDef& c, int cw, int ch, int dpi) {
    return anchor_rect({c.left, c.top, c.width, c.height}, c.anchors, kFormClientWidth, kFormClientHeight, cw,
                       ch, dpi);
}

int auto_scroll_range(bool vertical, const std::function<bool(int id)>& visible,
                      const std::function<int(const ControlDef&)>& top_of, int dpi) {
    const unsigned near_edge = vertical ? kAnchorTop : kAnchorLeft;
    const unsigned far_edge = vertical ? kAnchorBottom : kAnchorRight;
    int range = 0;
    for (const auto& c : kControls) {
        if ((c.anchors & (near_edge | far_edge)) != near_edge || !visible(c.id)) continue;
        const int top = top_of ? top_of(c) : c.top;
        const int end = scale_px(vertical ? top + c.height : c.left + c.width, dpi);
        if (end > range) range = end;
    }
    return range;
}

}  // namespace vq
