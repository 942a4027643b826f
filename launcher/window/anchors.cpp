#include "window/anchors.h"

#include "window/dpi_scale.h"

namespace vq {

Rect anchor_rect(const Rect& design, unsigned anchors, int design_w, int design_h, int client_w, int client_h,
                 int dpi) {
    const int dx = client_w - scale_px(design_w, dpi), dy = client_h - scale_px(design_h, dpi);
    // Edges are scaled, not lengths, so that controls that touch at 96 DPI
    // still touch.
    const int left = scale_px(design.left, dpi), top = scale_px(design.top, dpi);
    Rect r{left, top, scale_px(design.left + design.width, dpi) - left,
           scale_px(design.top + design.height, dpi) - top};
    const bool l = anchors & kAnchorLeft, rt = anchors & kAnchorRight;
    const bool t = anchors & kAnchorTop, b = anchors & kAnchorBottom;
    if (l && rt)
        r.width += dx;
    else if (rt)
        r.left += dx;
    else if (!l)
        r.left += dx / 2;
    if (t && b)
        r.height += dy;
    else if (b)
        r.top += dy;
    else if (!t)
        r.top += dy / 2;
    if (r.width < 0) r.width = 0;
    if (r.height < 0) r.height = 0;
    return r;
}

}  // namespace vq
