#include "main/window.h"

#include <windowsx.h>

#include <exception>
#include <string>

#include "main/resource.h"
#include "support/messages.h"

namespace vq {

bool Window::create_window(HINSTANCE instance, const Shape& shape) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    if (shape.app_icon) {
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_VQ));
        if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    }
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = shape.class_name;
    if (!RegisterClassA(&wc)) return false;

    RECT r{0, 0, shape.client_width, shape.client_height};
    AdjustWindowRectEx(&r, shape.style, FALSE, 0);
    return CreateWindowExA(0, shape.class_name, shape.caption, shape.style, shape.x, shape.y,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK Window::window_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->handle_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    try {
        return self->handle_message(message, wParam, lParam);
    } catch (const std::exception& e) {
        report_failure(e.what());
    }
    return 0;
}

bool SecondaryWindow::create_controls(HINSTANCE instance, std::initializer_list<Control> controls) {
    for (const Control& c : controls) {
        HWND h =
            CreateWindowExA(c.ex_style, c.cls, c.text, WS_CHILD | c.style, c.x, c.y, c.width, c.height,
                            handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!h) return false;
        SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), FALSE);
    }
    return true;
}

LRESULT SecondaryWindow::handle_message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) { HANDLE_MSG(handle(), WM_CLOSE, OnClose); }
    return DefWindowProcA(handle(), message, wParam, lParam);
}

void SecondaryWindow::OnClose(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
}

void report_failure(const char* what) {
    errorf("%s", {std::string(what)});
}

}  // namespace vq
