#include "window/dpi.h"

namespace vq {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

// A function of user32 that older Windows lacks; null there.
template <typename Fn>
Fn user32_function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

}  // namespace

int system_dpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int d = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen) ReleaseDC(nullptr, screen);
        return d > 0 ? d : 96;
    }();
    return dpi;
}

int window_dpi(HWND window) {
    static const auto get_dpi = user32_function<GetDpiForWindowFn>("GetDpiForWindow");
    if (window && get_dpi) {
        const UINT d = get_dpi(window);
        if (d > 0) return static_cast<int>(d);
    }
    return system_dpi();
}

SIZE window_size_for_client(int client_width, int client_height, DWORD style, DWORD ex_style, int dpi) {
    static const auto adjust = user32_function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, client_width, client_height};
    if (!adjust || !adjust(&r, style, FALSE, ex_style, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, ex_style);
    return {r.right - r.left, r.bottom - r.top};
}

int system_metric(int index, int dpi) {
    static const auto metric = user32_function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (metric) return metric(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, system_dpi());
}

}  // namespace vq
