#include "gui/template_form.h"

namespace vq {

namespace {

// Edit_What and Label1 stretch with the width; Cancel keeps to the bottom
// right corner.  A window smaller than designed scrolls.
const ControlDef kControls[] = {
    {ID_Edit_What, "Edit_What", ControlKind::Edit, 4, 4, 489, 21, kAnchorLeft | kAnchorTop | kAnchorRight,
     ControlFont::Form, "Edit_what", 0, true, 0},
    {ID_BitBtn_File, "BitBtn_File", ControlKind::ImageButton, 4, 32, 89, 25, kAnchorLeft | kAnchorTop,
     ControlFont::Form, "Get % &file", 1, true, 0},
    {ID_Label1, "Label1", ControlKind::Label, 100, 32, 313, 25, kAnchorLeft | kAnchorTop | kAnchorRight,
     ControlFont::Form,
     "Click \"Get % file\" and select a file to process; then in the next screen either click OK to execute "
     "the "
     "result, or cancel.",
     -1, true, 0},
    {ID_BitBtn_Cancel, "BitBtn_Cancel", ControlKind::Button, 419, 33, 75, 25, kAnchorRight | kAnchorBottom,
     ControlFont::Form, "Cancel", 2, true, 0},
};

}  // namespace

FormTable template_form() {
    return {kControls, 497, 63, true};
}

}  // namespace vq
