#include "help/help_window.h"

#include <windowsx.h>

namespace vq {

bool Thelpf::create(HINSTANCE instance) {
    return create_window(instance, {"Thelpf", "helpf", WS_OVERLAPPEDWINDOW, 514, 410, 327, 168});
}

LRESULT Thelpf::handle_message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) { HANDLE_MSG(handle(), WM_CLOSE, OnClose); }
    return DefWindowProcA(handle(), message, wParam, lParam);
}

void Thelpf::OnClose(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
}

}  // namespace vq
