#include "window/form_window.h"

#include <windowsx.h>

#include <algorithm>

#include "window/dialog_keys.h"
#include "window/image_button.h"

namespace vq {

FormWindow::FormWindow(const FormTable& form)
    : form_(form), layout_(form), has_panels_(std::ranges::any_of(form.controls, [](const ControlDef& d) {
          return d.kind == ControlKind::Panel;
      })) {}

bool FormWindow::create_controls(HINSTANCE instance, std::span<const ControlDef> controls) {
    if (!fonts_made_) {
        fonts_.make(dpi(), form_.controls);
        fonts_made_ = true;
    }
    return create_form_controls(handle(), instance, controls, fonts_, dpi());
}

// A window with panels repaints their edges at their new places.
void FormWindow::layout() {
    layout_.apply(handle(), dpi());
    if (has_panels_) InvalidateRect(handle(), nullptr, TRUE);
}

void FormWindow::move_control(int id, int top) {
    layout_.move_top(id, top);
    layout();
}

void FormWindow::dpi_changed(int) {
    fonts_.make(dpi(), form_.controls);
    fonts_made_ = true;
    apply_form_fonts(handle(), form_.controls, fonts_, dpi(), true);
    layout();
}

bool FormWindow::preview_key(const MSG& msg) {
    return route_dialog_key(handle(), form_.controls, msg);
}

LRESULT FormWindow::handle_message(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = handle();
    switch (message) {
        HANDLE_MSG(hwnd, WM_SIZE, OnSize);
        HANDLE_MSG(hwnd, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(hwnd, WM_VSCROLL, OnVScroll);
        HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
        HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(hwnd, WM_SHOWWINDOW, OnShowWindow);
        HANDLE_MSG(hwnd, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
        HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    }
    if (message >= WM_APP && message <= 0xBFFF) {
        OnPosted(hwnd, message);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void FormWindow::OnSize(HWND, UINT, int, int) {
    layout();
}

void FormWindow::OnHScroll(HWND, HWND control, UINT code, int) {
    scroll(control, SB_HORZ, code);
}

void FormWindow::OnVScroll(HWND, HWND control, UINT code, int) {
    scroll(control, SB_VERT, code);
}

void FormWindow::scroll(HWND control, int bar, UINT code) {
    if (!control && layout_.scroll(handle(), bar, static_cast<int>(code), dpi()) && has_panels_)
        InvalidateRect(handle(), nullptr, TRUE);
}

// The panels' raised edges.
void FormWindow::OnPaint(HWND hwnd) {
    if (!has_panels_) {
        FORWARD_WM_PAINT(hwnd, DefWindowProcA);
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    for (const ControlDef& d : form_.controls) {
        if (d.kind != ControlKind::Panel) continue;
        RECT r = layout_.placed(d.id);
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    EndPaint(hwnd, &ps);
}

void FormWindow::OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    draw_image_button(*item);
}

void FormWindow::OnShowWindow(HWND hwnd, BOOL show, UINT status) {
    FORWARD_WM_SHOWWINDOW(hwnd, show, status, DefWindowProcA);
}

void FormWindow::OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized) {
    FORWARD_WM_ACTIVATE(hwnd, state, other, minimized, DefWindowProcA);
}

void FormWindow::OnCommand(HWND hwnd, int id, HWND control, UINT code) {
    FORWARD_WM_COMMAND(hwnd, id, control, code, DefWindowProcA);
}

void FormWindow::OnTimer(HWND hwnd, UINT id) {
    FORWARD_WM_TIMER(hwnd, id, DefWindowProcA);
}

void FormWindow::OnClose(HWND hwnd) {
    FORWARD_WM_CLOSE(hwnd, DefWindowProcA);
}

void FormWindow::OnDestroy(HWND hwnd) {
    FORWARD_WM_DESTROY(hwnd, DefWindowProcA);
}

void FormWindow::OnPosted(HWND, UINT) {}

void SecondaryWindow::OnClose(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
}

}  // namespace vq
