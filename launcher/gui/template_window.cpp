#include "gui/template_window.h"

#include <windowsx.h>

namespace vq {

bool TformGui::create(HINSTANCE instance) {
    return create_window(instance, {"TformGui", "formGui", WS_OVERLAPPEDWINDOW, 497, 63});
}

LRESULT TformGui::handle_message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) { HANDLE_MSG(handle(), WM_CLOSE, OnClose); }
    return DefWindowProcA(handle(), message, wParam, lParam);
}

void TformGui::OnClose(HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
}

}  // namespace vq
