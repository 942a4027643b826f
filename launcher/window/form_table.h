// The description of a window's controls as a table: kind, design
// position (pixels at 96 DPI), anchors, font, caption and tab order, with
// the client size the window is designed for.  The window code creates the
// controls from such a table and places them by it whenever the window
// changes size (form_controls.h).  No Win32 types here.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "window/anchors.h"

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
    TabControl,   // its children fill the page under its tabs
    RichView,     // a read-only multi-line rich-text view
    Panel,        // no window: an area whose children keep to it; the window paints it
};

enum class ControlFont {
    Form,         // the window's font: MS Sans Serif, 8 points (11 pixels)
    CourierEdit,  // Courier New, 13 pixels
    CourierList,  // Courier New, 11 pixels
    Terminal,     // Terminal, 8 pixels, in the OEM character set
};
inline constexpr int kControlFontCount = 4;

// How a control takes its place in its parent's area: by its anchors, as a
// band along the bottom (its design height, scaled, the full width), or
// filling what the bands leave.
enum class Dock { None, Bottom, Fill };

struct ControlDef {
    int id;
    const char* name;
    ControlKind kind;
    int left, top, width, height;  // in the window's client area, also for a child of a panel
    unsigned anchors;
    ControlFont font;
    const char* caption;
    int tab;          // tab order; -1 = not a tab stop
    bool visible;     // visible when the window is created
    int item_height;  // list boxes: item height in pixels; 0 = default
    bool enabled = true;
    int parent = 0;  // the ID of the panel or tab control it lies in; 0 = the window
    Dock dock = Dock::None;
};

struct FormTable {
    std::span<const ControlDef> controls;
    int client_width, client_height;  // as designed
    // True: a client area smaller than designed scrolls.  False: only one
    // smaller than what the controls anchored to the near edges need does
    // (see scroll_range); the others shrink with the window.
    bool scrolls_below_design;
};

// A control's design top: the table's, or another the window gave it.
using DesignTop = std::function<int(const ControlDef&)>;

// The extent the controls need along one axis (vertical: height, else
// width): the far edge of the visible controls of the window (not of a
// panel) anchored to the near edge only (top, or left).  Those keep their
// place when the window shrinks, so a client area smaller than this cuts
// them off and the window scrolls.  A form that scrolls below its design
// size needs at least that.  `top_of` (null: the table's) gives a
// control's design top.  The result is in pixels at `dpi`.
int scroll_range(const FormTable& form, bool vertical, const std::function<bool(int id)>& visible,
                 const DesignTop& top_of, int dpi);

// Where every control of the table lies (in the table's order) when the
// area laid out in has width x height pixels at `dpi`.  Anchored edges keep
// their design distance (scaled) to the edges of the parent's area; a band
// docked at the bottom takes its scaled height off what its parent has
// left, and a filling control takes the rest.  `page` gives the area a
// control's children lie in (a tab control's page), null: the control's
// own rectangle.
std::vector<Rect> place_controls(const FormTable& form, int width, int height, int dpi,
                                 const DesignTop& top_of,
                                 const std::function<Rect(const ControlDef&, const Rect&)>& page);

}  // namespace vq
