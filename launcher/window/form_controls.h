// A form table made real: a window's controls created from it, given their
// fonts, and laid out by their anchors whenever the window changes size,
// with automatic scroll bars when the window is smaller than its controls.
#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <vector>

#include "window/auto_scroll.h"
#include "window/font.h"
#include "window/form_table.h"

namespace vq {

// The fonts of a form's controls at the window's DPI, owned for the life
// of the window; made again when the DPI changes.
class FormFonts {
  public:
    // The fonts the controls use, for `dpi`.  The ones made before are
    // deleted: hand the new ones out (apply_form_fonts) before the controls
    // paint again.
    void make(int dpi, std::span<const ControlDef> controls);
    // Null when the font was not made.
    HFONT get(ControlFont font) const { return fonts_[static_cast<int>(font)].get(); }

  private:
    // In the order of ControlFont.
    Font fonts_[kControlFontCount] = {
        {11, "MS Sans Serif"}, {13, "Courier New"}, {11, "Courier New"}, {8, "Terminal", OEM_CHARSET}};
};

// Creates the controls (a panel has no window) as children of `form`, at
// their design places, with their fonts at `dpi`; false when one could not
// be created, and the ones made here are destroyed again.  Their places
// follow with FormLayout.
bool create_form_controls(HWND form, HINSTANCE instance, std::span<const ControlDef> controls,
                          const FormFonts& fonts, int dpi);
// Gives the form and those of the controls that exist their fonts, and the
// lists their item heights, at `dpi`; `redraw` repaints them (not needed
// before the window is first shown).
void apply_form_fonts(HWND form, std::span<const ControlDef> controls, const FormFonts& fonts, int dpi,
                      bool redraw);

// The scroll position of the client area and the layout that follows it.
class FormLayout {
  public:
    explicit FormLayout(const FormTable& form) : form_(form) {}
    // Places the controls for the client area; run again after a control
    // is shown or hidden, since only visible controls count for the
    // scroll range.  `dpi`: the window's.
    void apply(HWND form, int dpi);
    // A scroll bar message: bar is SB_HORZ or SB_VERT, code the SB_ request.
    // True when the position moved and the controls were placed again.
    bool scroll(HWND form, int bar, int code, int dpi);
    // Gives a control another design top from now on.
    void move_top(int id, int top) { moved_tops_[id] = top; }
    // Where a control (also a panel) lies in the client area since the
    // last apply; empty before.
    RECT placed(int id) const;

  private:
    FormTable form_;
    AutoScroll scroll_;
    std::map<int, int> moved_tops_;  // control ID -> its top instead of the table's
    std::vector<Rect> placed_;       // by the table's order, scrolled
};

}  // namespace vq
