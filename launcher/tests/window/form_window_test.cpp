// The form window in this process: the keys a dialog knows, the typed
// handlers, and the layout through size, scroll and DPI changes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/form_window.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

using namespace vq;

namespace {

enum : int { kEdit = 100, kGo = 101, kCancel = IDCANCEL };

const ControlDef kWithCancel[] = {
    {kEdit, "Edit", ControlKind::Edit, 4, 4, 192, 20, kAnchorLeft | kAnchorTop | kAnchorRight,
     ControlFont::Form, "", 0, true, 0},
    {kGo, "Go", ControlKind::Button, 4, 30, 75, 25, kAnchorLeft | kAnchorTop, ControlFont::Form, "&Go", 1,
     true, 0},
    {kCancel, "Cancel", ControlKind::Button, 121, 30, 75, 25, kAnchorRight | kAnchorBottom, ControlFont::Form,
     "Cancel", 2, true, 0},
};

class TestForm : public SecondaryWindow {
  public:
    explicit TestForm(std::span<const ControlDef> controls)
        : SecondaryWindow({controls, 200, 60, true}), controls_(controls) {}
    ~TestForm() {
        if (handle()) DestroyWindow(handle());
    }
    bool create() {
        static int made = 0;
        class_name_ = "TestForm" + std::to_string(++made);
        HINSTANCE instance = GetModuleHandleA(nullptr);
        return create_window(instance, {class_name_.c_str(), "test", WS_OVERLAPPEDWINDOW, 200, 60}) &&
               create_controls(instance, controls_);
    }
    std::vector<int> clicked;
    std::vector<UINT> posted;

  private:
    void OnCommand(HWND, int id, HWND, UINT code) override {
        if (code == BN_CLICKED) clicked.push_back(id);
    }
    void OnPosted(HWND, UINT message) override { posted.push_back(message); }

    std::span<const ControlDef> controls_;
    std::string class_name_;
};

MSG key(HWND to, UINT message, WPARAM key) {
    return {to, message, key, 0, 0, {}};
}

RECT in_form(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

TEST(FormWindow, RoutesTheDialogKeysOfItsOwnControls) {
    TestForm form(kWithCancel);
    ASSERT_TRUE(form.create());
    ShowWindow(form.handle(), SW_SHOW);
    SetForegroundWindow(form.handle());
    HWND edit = form.item(kEdit);
    SetFocus(edit);
    // Alt+G presses Go, where the focus is; Alt+Q is nobody's.
    EXPECT_TRUE(form.preview_key(key(edit, WM_SYSCHAR, 'g')));
    EXPECT_FALSE(form.preview_key(key(edit, WM_SYSCHAR, 'q')));
    // Escape presses Cancel.
    EXPECT_TRUE(form.preview_key(key(edit, WM_KEYDOWN, VK_ESCAPE)));
    EXPECT_EQ(form.clicked, (std::vector<int>{kGo, kCancel}));
    // A key for another window is left alone.
    EXPECT_FALSE(form.preview_key(key(GetDesktopWindow(), WM_KEYDOWN, VK_ESCAPE)));
}

TEST(FormWindow, EscapeIsLeftToAWindowWithoutCancel) {
    TestForm form(std::span<const ControlDef>(kWithCancel).first(2));
    ASSERT_TRUE(form.create());
    EXPECT_FALSE(form.preview_key(key(form.item(kEdit), WM_KEYDOWN, VK_ESCAPE)));
    EXPECT_TRUE(form.clicked.empty());
}

TEST(FormWindow, ClosingHidesAndItsOwnMessagesReachItsHandler) {
    TestForm form(kWithCancel);
    ASSERT_TRUE(form.create());
    ShowWindow(form.handle(), SW_SHOW);
    PostMessageA(form.handle(), WM_APP + 3, 0, 0);
    SendMessageA(form.handle(), WM_CLOSE, 0, 0);
    pump();
    EXPECT_TRUE(IsWindow(form.handle()));
    EXPECT_FALSE(IsWindowVisible(form.handle()));
    EXPECT_EQ(form.posted, (std::vector<UINT>{WM_APP + 3}));
}

TEST(FormWindow, ControlsFollowSizeScrollAndScale) {
    TestForm form(kWithCancel);
    ASSERT_TRUE(form.create());
    HWND hwnd = form.handle();
    const int dpi = form.dpi();
    auto px = [&](int design) { return MulDiv(design, form.dpi(), 96); };
    // Wider: the edit box stretches and Cancel keeps to the corner.
    RECT outer;
    GetWindowRect(hwnd, &outer);
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left + px(50), outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(in_form(form.item(kEdit)).right, px(196 + 50));
    EXPECT_EQ(in_form(form.item(kCancel)).left, px(121 + 50));
    // Smaller than designed: scroll bars, and a line down moves the controls up.
    SetWindowPos(hwnd, nullptr, 0, 0, (outer.right - outer.left) / 2, (outer.bottom - outer.top) / 2,
                 SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_VSCROLL);
    const int top = in_form(form.item(kGo)).top;
    SendMessageA(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_LT(in_form(form.item(kGo)).top, top);
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    // At twice the scale: fonts and places at that scale.
    RECT suggested = outer;
    suggested.right = outer.left + 2 * (outer.right - outer.left);
    suggested.bottom = outer.top + 2 * (outer.bottom - outer.top);
    SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(form.dpi(), 2 * dpi);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(form.item(kGo), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -px(11));
    EXPECT_EQ(in_form(form.item(kGo)).top, px(30));
}
