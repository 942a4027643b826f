// The help window (Thelpf) and the file-template window (TformGui): created
// at program start beside the main window, hidden, with nothing in them
// yet.
#include "main/mainform.h"

HWND helpf = nullptr;
HWND formGui = nullptr;

namespace {

LRESULT CALLBACK hidden_on_close(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        ShowWindow(h, SW_HIDE);
        return 0;
    }
    return DefWindowProcA(h, msg, wp, lp);
}

HWND create_empty(HINSTANCE instance, const char* cls, const char* caption, int cw, int ch, int x, int y) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = hidden_on_close;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = cls;
    if (!RegisterClassA(&wc)) return nullptr;
    const DWORD style = WS_OVERLAPPEDWINDOW;
    RECT r{0, 0, cw, ch};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    return CreateWindowExA(0, cls, caption, style, x, y, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           instance, nullptr);
}

}  // namespace

bool create_helpf(HINSTANCE instance) {
    helpf = create_empty(instance, "Thelpf", "helpf", 514, 410, 327, 168);
    return helpf != nullptr;
}

bool create_formgui(HINSTANCE instance) {
    formGui = create_empty(instance, "TformGui", "formGui", 497, 63, CW_USEDEFAULT, CW_USEDEFAULT);
    return formGui != nullptr;
}
