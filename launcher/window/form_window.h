// A window made from a form table (form_table.h), which all of the
// launcher's windows are.  It owns the fonts and the layout of its
// controls: it makes the controls, places them again when its size or
// scale changes, scrolls when it is smaller than they need, paints the
// edges of the table's panels and draws its image buttons.  It hands the
// keys that work across the controls to the dialog key router
// (dialog_keys.h).  Every message reaches a typed handler, cracked as by
// windowsx.h; a window overrides the handlers it needs, and the others do
// what DefWindowProc does.
#pragma once

#include <windows.h>

#include <span>

#include "window/form_controls.h"
#include "window/form_table.h"
#include "window/result_codes.h"
#include "window/window.h"

namespace vq {

class FormWindow : public Window {
  public:
    // The control with this ID.
    HWND item(int id) const { return GetDlgItem(handle(), id); }

    // The keys that work across the window's controls, seen before the
    // control that has the focus (dialog_keys.h).  True when the message
    // was used; the message loop hands it every message.
    virtual bool preview_key(const MSG& msg);

  protected:
    explicit FormWindow(const FormTable& form);
    ~FormWindow() = default;

    // Creates these controls of the table (all of it, or a part that the
    // window makes when it needs it); the fonts are made with the first
    // part.  False when one could not be created.
    bool create_controls(HINSTANCE instance, std::span<const ControlDef> controls);
    // Places the controls for the client area at the window's DPI; run
    // again after a control is shown or hidden.
    void layout();
    // Gives a control another design top for the rest of the run, and
    // lays the window out again.
    void move_control(int id, int top);

    // The fonts and the layout at the new DPI.
    void dpi_changed(int old_dpi) override;

    // The handlers a window may override.  Messages from WM_APP on are
    // the window's own: it posts them to itself.
    virtual void OnShowWindow(HWND hwnd, BOOL show, UINT status);
    virtual void OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
    virtual void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    virtual void OnTimer(HWND hwnd, UINT id);
    virtual void OnClose(HWND hwnd);
    virtual void OnDestroy(HWND hwnd);
    virtual void OnPosted(HWND hwnd, UINT message);

  private:
    LRESULT handle_message(UINT message, WPARAM wParam, LPARAM lParam) final;
    void OnSize(HWND hwnd, UINT state, int cx, int cy);
    void OnHScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnVScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnPaint(HWND hwnd);
    void OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT* item);
    // The window's own scroll bars (a control's are its own): the controls
    // follow the position.
    void scroll(HWND control, int bar, UINT code);

    FormTable form_;
    FormFonts fonts_;
    FormLayout layout_;
    bool fonts_made_ = false;
    bool has_panels_ = false;  // panels have no window: the window paints their edges
};

// A window beside the main window: created hidden at program start, and
// hidden again when the user closes it.
class SecondaryWindow : public FormWindow {
  protected:
    using FormWindow::FormWindow;
    void OnClose(HWND hwnd) override;
};

}  // namespace vq
