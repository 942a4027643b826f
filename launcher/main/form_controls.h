// The form table made real: the main window's controls created from it,
// and laid out by their anchors whenever the window changes size, with
// automatic scroll bars when the window is smaller than its controls.
#pragma once

#include <windows.h>

#include <map>

#include "window/auto_scroll.h"

namespace vq {

// The fonts of the form's controls at the window's DPI, owned for the life
// of the window; made again when the DPI changes.
class FormFonts {
  public:
    FormFonts() = default;
    ~FormFonts();
    // The fonts for `dpi`.  The ones made before are deleted: hand the new
    // ones out (apply_form_fonts) before the controls paint again.
    void make(int dpi);
    FormFonts(const FormFonts&) = delete;
    FormFonts& operator=(const FormFonts&) = delete;

    HFONT form() const { return form_; }
    HFONT edit() const { return edit_; }
    HFONT list() const { return list_; }

  private:
    void release();
    HFONT form_ = nullptr, edit_ = nullptr, list_ = nullptr;
};

// Creates every control of the table as a child of `form`; false when one
// could not be created.  Positions and fonts follow with layout and
// apply_form_fonts.
bool create_form_controls(HWND form, HINSTANCE instance);
// Gives the form and its controls their fonts, and the lists their item
// heights, at `dpi`; `redraw` repaints them (not needed before the window
// is first shown).
void apply_form_fonts(HWND form, const FormFonts& fonts, int dpi, bool redraw);

// The scroll position of the client area and the layout that follows it.
class FormLayout {
  public:
    // Places the controls for the client area; run again after a control
    // is shown or hidden, since only visible controls count for the
    // scroll range.  `dpi`: the window's.
    void apply(HWND form, int dpi);
    // A scroll bar message: bar is SB_HORZ or SB_VERT, code the SB_ request.
    void scroll(HWND form, int bar, int code, int dpi);
    // Gives a control another design top from now on.
    void move_top(int id, int top) { moved_tops_[id] = top; }

  private:
    AutoScroll scroll_;
    std::map<int, int> moved_tops_;  // control ID -> its top instead of the table's
};

}  // namespace vq
