#include "window/form_controls.h"

#include <commctrl.h>

#include "window/dpi_scale.h"

namespace vq {

namespace {

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
        case ControlKind::TabControl:
            // Kept from painting over the views on its page.
            return {WC_TABCONTROLA, WS_CLIPSIBLINGS, 0};
        case ControlKind::RichView:
            return {"RichEdit20A", WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Panel:
            break;
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

void FormFonts::make(int dpi, std::span<const ControlDef> controls) {
    bool used[kControlFontCount] = {};
    for (const ControlDef& d : controls) used[static_cast<int>(d.font)] = true;
    for (int f = 0; f < kControlFontCount; ++f)
        if (used[f]) fonts_[f].make(dpi);
}

bool create_form_controls(HWND form, HINSTANCE instance, std::span<const ControlDef> controls,
                          const FormFonts& fonts, int dpi) {
    const size_t n = controls.size();
    for (size_t i = 0; i < n; ++i) {
        const ControlDef& d = controls[i];
        if (d.kind == ControlKind::Panel) continue;
        const ControlClass cls = class_of(d.kind);
        const DWORD style = WS_CHILD | cls.style | (d.visible ? WS_VISIBLE : 0) |
                            (d.tab >= 0 ? WS_TABSTOP : 0) | (d.enabled ? 0 : WS_DISABLED);
        HWND c =
            CreateWindowExA(cls.ex_style, cls.name, d.caption, style, d.left, d.top, d.width, d.height, form,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), instance, nullptr);
        if (!c) {
            for (size_t j = 0; j < i; ++j)
                if (HWND made = GetDlgItem(form, controls[j].id)) DestroyWindow(made);
            return false;
        }
        if (d.kind == ControlKind::GroupBox) SetWindowSubclass(c, GroupBoxProc, 0, 0);
    }
    apply_form_fonts(form, controls, fonts, dpi, false);
    return true;
}

void apply_form_fonts(HWND form, std::span<const ControlDef> controls, const FormFonts& fonts, int dpi,
                      bool redraw) {
    if (HFONT f = fonts.get(ControlFont::Form))
        SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
    for (const ControlDef& d : controls) {
        HWND c = GetDlgItem(form, d.id);
        if (!c) continue;
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.get(d.font)), redraw);
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
    const AutoScroll::Area area = scroll_.fit(form, scroll_range(form_, false, shown, top_of, dpi),
                                              scroll_range(form_, true, shown, top_of, dpi));
    // A tab control's children lie on its page, under the tabs.
    auto page = [form](const ControlDef& c, const Rect& r) -> Rect {
        if (c.kind != ControlKind::TabControl) return r;
        RECT p{0, 0, r.width, r.height};
        TabCtrl_AdjustRect(GetDlgItem(form, c.id), FALSE, &p);
        return {r.left + p.left, r.top + p.top, p.right - p.left, p.bottom - p.top};
    };
    placed_ = place_controls(form_, area.width, area.height, dpi, top_of, page);
    // Only the controls that move are moved: showing a control or a size
    // that changes no rectangle costs no window positions.
    const auto defs = form_.controls;
    const size_t n = defs.size();
    HDWP dwp = nullptr;
    for (size_t i = 0; i < n; ++i) {
        Rect& r = placed_[i];
        r.left -= area.x;
        r.top -= area.y;
        HWND c = GetDlgItem(form, defs[i].id);
        if (!c || defs[i].kind == ControlKind::Panel) continue;
        RECT now;
        GetWindowRect(c, &now);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&now), 2);
        if (now.left == r.left && now.top == r.top && now.right - now.left == r.width &&
            now.bottom - now.top == r.height)
            continue;
        if (!dwp) dwp = BeginDeferWindowPos(static_cast<int>(n - i));
        if (dwp)
            dwp = DeferWindowPos(dwp, c, nullptr, r.left, r.top, r.width, r.height,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (dwp) EndDeferWindowPos(dwp);
}

bool FormLayout::scroll(HWND form, int bar, int code, int dpi) {
    if (!scroll_.scroll(form, bar, code, scale_px(kScrollLine, dpi))) return false;
    apply(form, dpi);
    return true;
}

RECT FormLayout::placed(int id) const {
    const auto defs = form_.controls;
    for (size_t i = 0; i < placed_.size() && i < defs.size(); ++i)
        if (defs[i].id == id) {
            const Rect& r = placed_[i];
            return {r.left, r.top, r.left + r.width, r.top + r.height};
        }
    return {};
}

}  // namespace vq
