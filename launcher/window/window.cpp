#include "window/window.h"

#include <exception>
#include <string>

#include "support/messages.h"
#include "window/dpi.h"
#include "window/dpi_scale.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace vq {

bool Window::create_window(HINSTANCE instance, const Shape& shape) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    if (shape.icon) {
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(shape.icon));
        if (!wc.hIcon) wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    }
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = shape.class_name;
    if (!RegisterClassA(&wc)) return false;

    // Made at the system DPI first; a window that lands on a monitor of
    // another scale is sized again for that one.
    dpi_ = system_dpi();
    auto place = [&](int dpi, int& x, int& y, SIZE& size) {
        x = shape.x == CW_USEDEFAULT ? CW_USEDEFAULT : scale_px(shape.x, dpi);
        y = shape.y == CW_USEDEFAULT ? CW_USEDEFAULT : scale_px(shape.y, dpi);
        size = window_size_for_client(scale_px(shape.client_width, dpi), scale_px(shape.client_height, dpi),
                                      shape.style, 0, dpi);
    };
    int x = 0, y = 0;
    SIZE size{};
    place(dpi_, x, y, size);
    if (!CreateWindowExA(0, shape.class_name, shape.caption, shape.style, x, y, size.cx, size.cy, nullptr,
                         nullptr, instance, this))
        return false;
    const int actual = window_dpi(handle_);
    if (actual != dpi_) {
        dpi_ = actual;
        place(dpi_, x, y, size);
        SetWindowPos(handle_, nullptr, x == CW_USEDEFAULT ? 0 : x, y == CW_USEDEFAULT ? 0 : y, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE | (x == CW_USEDEFAULT ? SWP_NOMOVE : 0));
    }
    return true;
}

void Window::on_dpi_changed(int new_dpi, const RECT& suggested) {
    const int old = dpi_;
    dpi_ = new_dpi > 0 ? new_dpi : window_dpi(handle_);
    if (dpi_ != old) dpi_changed(old);
    SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
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
        if (message == WM_DPICHANGED) {
            self->on_dpi_changed(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        }
        return self->handle_message(message, wParam, lParam);
    } catch (const std::exception& e) {
        report_failure(e.what());
    }
    return 0;
}

void report_failure(const char* what) {
    errorf("%s", {std::string(what)});
}

}  // namespace vq
