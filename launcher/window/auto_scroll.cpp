#include "window/auto_scroll.h"

#include "window/anchors.h"
#include "window/dpi.h"

namespace vq {

void AutoScroll::set_bar(HWND window, int bar, int need, int have, int& pos) {
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
    // Every layout comes here, most of them with the bar as it is.
    BarState& last = bar == SB_HORZ ? horz_ : vert_;
    const BarState now{si.nMax, si.nPage, si.nPos, true};
    if (last.set && last.max == now.max && last.page == now.page && last.pos == now.pos) return;
    last = now;
    SetScrollInfo(window, bar, &si, TRUE);
}

AutoScroll::Area AutoScroll::fit(HWND window, int need_w, int need_h) {
    // Decided on the client area without bars: a bar that is shown now must
    // not keep itself (or the other one) on screen.
    RECT cr;
    GetClientRect(window, &cr);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    const int dpi = window_dpi(window);
    const int bar_w = system_metric(SM_CXVSCROLL, dpi), bar_h = system_metric(SM_CYHSCROLL, dpi);
    const int full_w = cr.right + (style & WS_VSCROLL ? bar_w : 0);
    const int full_h = cr.bottom + (style & WS_HSCROLL ? bar_h : 0);
    bool horz = need_w > full_w, vert = need_h > full_h;
    if (horz && !vert) vert = need_h > full_h - bar_h;
    if (vert && !horz) horz = need_w > full_w - bar_w;
    set_bar(window, SB_HORZ, horz ? need_w : 0, full_w - (vert ? bar_w : 0), x_);
    set_bar(window, SB_VERT, vert ? need_h : 0, full_h - (horz ? bar_h : 0), y_);
    GetClientRect(window, &cr);
    if (x_ > need_w - cr.right) x_ = need_w > cr.right ? need_w - cr.right : 0;
    if (y_ > need_h - cr.bottom) y_ = need_h > cr.bottom ? need_h - cr.bottom : 0;
    const LayoutArea lay = layout_area(cr.right, cr.bottom, need_w, need_h);
    return {lay.width, lay.height, x_, y_};
}

bool AutoScroll::scroll(HWND window, int bar, int code, int line) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(window, bar, &si)) return false;
    int pos = si.nPos;
    switch (code) {
        case SB_LINEUP:
            pos -= line;
            break;
        case SB_LINEDOWN:
            pos += line;
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
            return false;
    }
    (bar == SB_VERT ? y_ : x_) = pos < 0 ? 0 : pos;
    return true;
}

}  // namespace vq
