#include "main/form_controls.h"

#include <commctrl.h>

#include "main/form.h"

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

FormFonts::FormFonts()
    : form_(make_font(11, "MS Sans Serif")),
      edit_(make_font(13, "Courier New")),
      list_(make_font(11, "Courier New")) {}

FormFonts::~FormFonts() {
    for (HFONT f : {form_, edit_, list_})
        if (f) DeleteObject(f);
}

bool create_form_controls(HWND form, HINSTANCE instance, const FormFonts& fonts) {
    SendMessageA(form, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.form()), FALSE);
    size_t n = 0;
    const ControlDef* defs = form_controls(&n);
    for (size_t i = 0; i < n; ++i) {
        const ControlDef& d = defs[i];
        const ControlClass cls = class_of(d.kind);
        const DWORD style =
            WS_CHILD | cls.style | (d.visible ? WS_VISIBLE : 0) | (d.tab >= 0 ? WS_TABSTOP : 0);
        HWND c =
            CreateWindowExA(cls.ex_style, cls.name, d.caption, style, d.left, d.top, d.width, d.height, form,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), instance, nullptr);
        if (!c) return false;
        HFONT f = d.font == ControlFont::CourierEdit   ? fonts.edit()
                  : d.font == ControlFont::CourierList ? fonts.list()
                                                       : fonts.form();
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
        if (d.item_height > 0) SendMessageA(c, LB_SETITEMHEIGHT, 0, d.item_height);
        if (d.kind == ControlKind::GroupBox) SetWindowSubclass(c, GroupBoxProc, 0, 0);
    }
    return true;
}

void FormLayout::apply(HWND form) {
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
    const int need_w = auto_scroll_range(false, shown, top_of);
    const int need_h = auto_scroll_range(true, shown, top_of);
    RECT cr;
    GetClientRect(form, &cr);
    // Showing or hiding a bar changes the client area (and sends WM_SIZE,
    // which lays out again); the layout below reads the area afterwards.
    auto set_bar = [form](int bar, int need, int have, int& pos) {
        if (need <= have)
            pos = 0;
        else if (pos > need - have)
            pos = need - have;
        if (pos < 0) pos = 0;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = need > have ? need - 1 : 0;
        si.nPage = need > have ? static_cast<UINT>(have) : 0;
        si.nPos = pos;
        SetScrollInfo(form, bar, &si, TRUE);
    };
    set_bar(SB_HORZ, need_w, cr.right, x_);
    GetClientRect(form, &cr);
    set_bar(SB_VERT, need_h, cr.bottom, y_);
    GetClientRect(form, &cr);
    if (x_ > need_w - cr.right) x_ = need_w > cr.right ? need_w - cr.right : 0;
    if (y_ > need_h - cr.bottom) y_ = need_h > cr.bottom ? need_h - cr.bottom : 0;
    const int lay_w = cr.right > need_w ? cr.right : need_w;
    const int lay_h = cr.bottom > need_h ? cr.bottom : need_h;

    size_t n = 0;
    const ControlDef* defs = form_controls(&n);
    HDWP dwp = BeginDeferWindowPos(static_cast<int>(n));
    for (size_t i = 0; i < n; ++i) {
        HWND c = GetDlgItem(form, defs[i].id);
        if (!c) continue;
        ControlDef def = defs[i];
        def.top = top_of(def);
        Rect r = anchored_rect(def, lay_w, lay_h);
        if (dwp)
            dwp = DeferWindowPos(dwp, c, nullptr, r.left - x_, r.top - y_, r.width, r.height,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (dwp) EndDeferWindowPos(dwp);
}

void FormLayout::scroll(HWND form, int bar, int code) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(form, bar, &si)) return;
    int pos = si.nPos;
    switch (code) {
        case SB_LINEUP:
            pos -= 8;
            break;
        case SB_LINEDOWN:
            pos += 8;
            break;
        case SB_PAGEUP:
            pos -= static_cast<int>(si.nPage);
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(si.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = si.nTrackPos;
            break;
        case SB_TOP:
            pos = si.nMin;
            break;
        case SB_BOTTOM:
            pos = si.nMax;
            break;
        default:
            return;
    }
    (bar == SB_VERT ? y_ : x_) = pos < 0 ? 0 : pos;
    apply(form);
}

}  // namespace vq
