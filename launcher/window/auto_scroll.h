// Automatic scroll bars: a window whose client area is smaller than what
// its controls need gets a scroll bar for that direction, and lays its
// controls out for the needed size, shifted by the scroll position.  The
// main window and the secondary windows each own one.
#pragma once

#include <windows.h>

namespace vq {

class AutoScroll {
  public:
    // Where the window lays out: the area's size and the scroll offset.
    struct Area {
        int width, height;  // never smaller than what the controls need
        int x, y;           // scroll position: subtract from every control's place
    };

    // Shows or hides the bars for controls that need need_w x need_h pixels
    // and returns the area to lay out in.  Showing or hiding a bar changes
    // the client area and sends WM_SIZE, which lays out again.
    Area fit(HWND window, int need_w, int need_h);
    // A scroll bar message (bar SB_HORZ or SB_VERT, code the SB_ request);
    // `line` is the step of the arrows in pixels.  True when the position
    // moved: the window then lays out again.
    bool scroll(HWND window, int bar, int code, int line);
    // Back to the top left (the window is about to be laid out afresh).
    void reset() { x_ = y_ = 0; }

  private:
    struct BarState {
        int max;
        UINT page;
        int pos;
        bool set;
    };
    // Sets a bar's range, page and position, unless it has them already.
    void set_bar(HWND window, int bar, int need, int have, int& pos);

    int x_ = 0, y_ = 0;
    BarState horz_{}, vert_{};  // what the bars were last given
};

}  // namespace vq
