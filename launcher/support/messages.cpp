// Modal message boxes: errors, information and Yes/No questions.
#include <windows.h>

#include "support/messages.h"

namespace vq {

namespace {

MessageBoxHook& hook() {
    static MessageBoxHook h;
    return h;
}

// A Yes/No box has no Cancel button, so the box itself ignores Escape;
// this filter turns Escape into No while a question is open.
LRESULT CALLBACK escape_means_no(int code, WPARAM wparam, LPARAM lparam) {
    auto* msg = reinterpret_cast<MSG*>(lparam);
    if (code == MSGF_DIALOGBOX && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        HWND box = GetAncestor(msg->hwnd, GA_ROOT);
        HWND no = box ? GetDlgItem(box, IDNO) : nullptr;
        if (no) {
            PostMessageA(no, BM_CLICK, 0, 0);
            return TRUE;
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

int show(const std::string& text, const char* title, UINT flags) {
    if (hook()) return hook()(text, title, flags);
    // No owner: the box is centred on the screen; task-modal disables the
    // program's other windows while it is open.
    return MessageBoxA(nullptr, text.c_str(), title, flags | MB_TASKMODAL | MB_SETFOREGROUND);
}

int show_wide(std::wstring_view text, const wchar_t* title, UINT flags) {
    const std::wstring shown(text);
    if (hook()) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, shown.data(), static_cast<int>(shown.size()), nullptr, 0,
                                          nullptr, nullptr);
        std::string utf8(static_cast<size_t>(n > 0 ? n : 0), '\0');
        if (n > 0)
            WideCharToMultiByte(CP_UTF8, 0, shown.data(), static_cast<int>(shown.size()), utf8.data(), n, nullptr,
                                nullptr);
        std::string title_utf8;
        for (const wchar_t* t = title; *t; ++t) title_utf8 += static_cast<char>(*t);  // ASCII titles
        return hook()(utf8, title_utf8, flags);
    }
    return MessageBoxW(nullptr, shown.c_str(), title, flags | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace

void set_message_box_hook(MessageBoxHook h) {
    hook() = std::move(h);
}

void errorf(std::string_view format, const Args& args) {
    show(sformat(format, args), "Error", MB_OK | MB_ICONERROR);
}

void infof(std::string_view format, const Args& args) {
    show(sformat(format, args), "Information", MB_OK | MB_ICONINFORMATION);
}

void error_wide(std::wstring_view text) {
    show_wide(text, L"Error", MB_OK | MB_ICONERROR);
}

bool yesno(const std::string& text) {
    HHOOK filter = nullptr;
    if (!hook()) {
        filter = SetWindowsHookExA(WH_MSGFILTER, escape_means_no, nullptr, GetCurrentThreadId());
    }
    int answer = show(text, "Confirm", MB_YESNO | MB_ICONQUESTION);
    if (filter) UnhookWindowsHookEx(filter);
    return answer == IDYES;
}

bool yesnof(std::string_view format, const Args& args) {
    return yesno(sformat(format, args));
}

}  // namespace vq
