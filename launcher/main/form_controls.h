// The form table made real: the main window's controls created from it,
// and laid out by their anchors whenever the window changes size, with
// automatic scroll bars when the window is smaller than its controls.
#pragma once

#include <windows.h>

#include <map>

namespace vq {

// The fonts of the form's controls, owned for the life of the window.
class FormFonts {
  public:
    FormFonts();
    ~FormFonts();
    FormFonts(const FormFonts&) = delete;
    FormFonts& operator=(const FormFonts&) = delete;

    HFONT form() const { return form_; }
    HFONT edit() const { return edit_; }
    HFONT list() const { return list_; }

  private:
    HFONT form_, edit_, list_;
};

// Creates every control of the table as a child of `form`; false when one
// could not be created.
bool create_form_controls(HWND form, HINSTANCE instance, const FormFonts& fonts);

// The scroll position of the client area and the layout that follows it.
class FormLayout {
  public:
    // Places the controls for the client area; run again after a control
    // is shown or hidden, since only visible controls count for the
    // scroll range.
    void apply(HWND form);
    // A scroll bar message: bar is SB_HORZ or SB_VERT, code the SB_ request.
    void scroll(HWND form, int bar, int code);
    // Gives a control another design top from now on.
    void move_top(int id, int top) { moved_tops_[id] = top; }

  private:
    int x_ = 0, y_ = 0;
    std::map<int, int> moved_tops_;  // control ID -> its top instead of the table's
};

}  // namespace vq
