// Anchored layout: a control keeps its designed distance to the window
// edges it is anchored to when the window changes size, and stretches when
// anchored to both opposite edges.  Positions are given in design pixels
// (96 DPI) and come out in pixels at the window's DPI.  No Win32 types
// here.
#pragma once

namespace vq {

enum Anchor : unsigned { kAnchorLeft = 1, kAnchorTop = 2, kAnchorRight = 4, kAnchorBottom = 8 };

struct Rect {
    int left, top, width, height;
};

// Where a control designed at `design` (inside a client area designed as
// design_w x design_h) lies in a client area of client_w x client_h pixels
// at `dpi`.  A control anchored to neither edge of an axis keeps its place
// relative to the middle.
Rect anchor_rect(const Rect& design, unsigned anchors, int design_w, int design_h, int client_w, int client_h,
                 int dpi);

// The scrolled size a window lays its controls out in: the client area,
// but never smaller than what the controls need.
struct LayoutArea {
    int width, height;
};
inline LayoutArea layout_area(int client_w, int client_h, int need_w, int need_h) {
    return {client_w > need_w ? client_w : need_w, client_h > need_h ? client_h : need_h};
}

}  // namespace vq
