// The top-level windows of the launcher.  A Window registers its window class, keeps
// `this` with the window from WM_NCCREATE on, and hands every message to the
// class that derives from it.  A failure that no handler caught ends that
// handler and is shown in an error box.
#pragma once

#include <windows.h>

namespace vq {

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Null before the window is created and after it is destroyed.
    HWND handle() const { return handle_; }
    // The DPI the window is shown at (96 before it exists).
    int dpi() const { return dpi_; }

  protected:
    // Sizes and places in design pixels (96 DPI); the window is made at its
    // monitor's DPI.
    struct Shape {
        const char* class_name;
        const char* caption;
        DWORD style;
        int client_width, client_height;
        int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
        int icon = 0;  // the program's icon resource; 0: none
    };

    Window() = default;
    ~Window() = default;

    // Registers the class and creates the window (hidden); false on failure.
    bool create_window(HINSTANCE instance, const Shape& shape);
    virtual LRESULT handle_message(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The window moved to a monitor of another scale: dpi() is the new one
    // already.  The window makes its fonts again and lays itself out; it
    // then takes the place Windows suggests.
    virtual void dpi_changed(int old_dpi) = 0;

  private:
    static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void on_dpi_changed(int new_dpi, const RECT& suggested);
    HWND handle_ = nullptr;
    int dpi_ = 96;
};

// Shows a failure that escaped a message handler.
void report_failure(const char* what);

}  // namespace vq
