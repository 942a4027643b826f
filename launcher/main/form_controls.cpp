#include "main/form_controls.h"

#include <commctrl.h>

#include "main/form.h"
#include "window/dpi_scale.h"

namespace vq {

namespace {

HFONT make_font(int pixels, const char* face) {
    return CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// Window class, styles and extended styles of one kind of control.
struct ControlClass {
    const char* name;
    DWORD style;
    DWORD ex_style;
};

ControlClass class_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ListBox:
            // Kept from painting over the favorites list that lies above it.
            return {"LISTBOX",
                    LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL |
                        WS_CLIPSIBLINGS,
                    WS_EX_CLIENTEDGE};
        case ControlKind::PickList:
            return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Label:
            return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::Button:
            return {"BUTTON", BS_PUSHBUTTON, 0};
        case ControlKind::ImageButton:
            return {"BUTTON", BS_OWNERDRAW, 0};
        case ControlKind::CheckBox:
            return {"BUTTON", BS_AUTOCHECKBOX, 0};
        case ControlKind::RadioButton:
            return {"BUTTON", BS_RADIOBUTTON, 0};
        case ControlKind::GroupBox:
            // Kept from painting over the items that lie above it.
            return {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0};
    }
    return {"STATIC", 0, 0};
}

// A group box paints only its frame and caption, and the form does not
// paint under its controls: the box fills its own background.
LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, GroupBoxProc, id);
    if (message == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

FormFonts::~FormFonts() {
    release();
}

void FormFonts::release() {
    for (HFONT f : {form_, edit_, list_})
        if (f) DeleteObject(f);
    form_ = edit_ = list_ = nullptr;
}

void FormFonts::make(int dpi) {
    release();
    form_ = make_font(scale_px(11, dpi), "MS Sans Serif");
    edit_ = make_font(scale_px(13, dpi), "Courier New");
    list_ = make_font(scale_px(11, dpi), "Courier New");
}

bool create_form_controls(HWND form, HINSTANCE instance) {
    const auto defs = form_controls();
    const size_t n = defs.size();
    for (size_t i = 0; i < n; ++i) {
        const ControlDef& d = defs[i];
        const ControlClass cls = class_of(d.kind);
        const DWORD style =
            WS_CHILD | cls.style | (d.visible ? WS_VISIBLE : 0) | (d.tab >= 0 ? WS_TABSTOP : 0);
        HWND c =
            CreateWindowExA(cls.ex_style, cls.name, d.caption, style, d.left, d.top, d.width, d.height, form,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), instance, nullptr);
        if (!c) return false;
        if (d.kind == ControlKind::GroupBox) SetWindowSubclass(c, GroupBoxProc, 0, 0);
    }
    return true;
}

void apply_form_fonts(HWND form, const FormFonts& fonts, int dpi, bool redraw) {
    SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.form()), FALSE);
    const auto defs = form_controls();
    const size_t n = defs.size();
    for (size_t i = 0; i < n; ++i) {
        const ControlDef& d = defs[i];
        HWND c = GetDlgItem(form, d.id);
        if (!c) continue;
        HFONT f = d.font == ControlFont::CourierEdit   ? fonts.edit()
                  : d.font == ControlFont::CourierList ? fonts.list()
                                                       : fonts.form();
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(f), redraw);
        if (d.item_height > 0) SendMessageA(c, LB_SETITEMHEIGHT, 0, scale_px(d.item_height, dpi));
    }
}

void FormLayout::apply(HWND form, int dpi) {
    // A client area smaller than the controls need gets a scroll bar, and
    // the controls are laid out for the needed size and shifted by the
    // scroll position.
    auto shown = [form](int id) {
        HWND c = GetDlgItem(form, id);
        return c && (GetWindowLongA(c, GWL_STYLE) & WS_VISIBLE);
    };
    auto top_of = [this](const ControlDef& c) {
        auto moved = moved_tops_.find(c.id);
        return moved == moved_tops_.end() ? c.top : moved->second;
    };
    const AutoScroll::Area area = scroll_.fit(form, auto_scroll_range(false, shown, top_of, dpi),
                                              auto_scroll_range(true, shown, top_of, dpi));
    // Only the controls that move are moved: showing a control or a size
    // that changes no rectangle costs no window positions.
    const auto defs = form_controls();
    const size_t n = defs.size();
    HDWP dwp = nullptr;
    for (size_t i = 0; i < n; ++i) {
        HWND c = GetDlgItem(form, defs[i].id);
        if (!c) continue;
        ControlDef def = defs[i];
        def.top = top_of(def);
        const Rect r = anchored_rect(def, area.width, area.height, dpi);
        const int x = r.left - area.x, y = r.top - area.y;
        RECT now;
        GetWindowRect(c, &now);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&now), 2);
        if (now.left == x && now.top == y && now.right - now.left == r.width && now.bottom - now.top == r.height)
            continue;
        if (!dwp) dwp = BeginDeferWindowPos(static_cast<int>(n - i));
        if (dwp) dwp = DeferWindowPos(dwp, c, nullptr, x, y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (dwp) EndDeferWindowPos(dwp);
}

void FormLayout::scroll(HWND form, int bar, int code, int dpi) {
    if (scroll_.scroll(form, bar, code, scale_px(8, dpi))) apply(form, dpi);
}

}  // namespace vq
