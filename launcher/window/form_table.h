// The description of a window's controls as a table: kind, design
// position (pixels at 96 DPI), anchors, font, caption and tab order.  The
// window code creates the controls from such a table.  No Win32 types
// here.
#pragma once

namespace vq {

enum class ControlKind {
    Edit,
    ListBox,   // several items selectable
    PickList,  // one item selectable
    Label,
    Button,
    ImageButton,  // a button with a picture beside its caption (image_button.h)
    CheckBox,
    RadioButton,  // one of the items of a radio group; the handler checks it
    GroupBox,     // the frame and caption of a radio group
};

enum class ControlFont {
    Form,         // the window's font: MS Sans Serif, 8 points (11 pixels)
    CourierEdit,  // Courier New, 13 pixels
    CourierList,  // Courier New, 11 pixels
};

struct ControlDef {
    int id;
    const char* name;
    ControlKind kind;
    int left, top, width, height;
    unsigned anchors;
    ControlFont font;
    const char* caption;
    int tab;          // tab order; -1 = not a tab stop
    bool visible;     // visible when the window is created
    int item_height;  // list boxes: item height in pixels; 0 = default
};

}  // namespace vq
