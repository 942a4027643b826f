#include "window/form_table.h"

#include <cstddef>

#include "window/dpi_scale.h"

namespace vq {

int scroll_range(const FormTable& form, bool vertical, const std::function<bool(int id)>& visible,
                 const DesignTop& top_of, int dpi) {
    const unsigned near_edge = vertical ? kAnchorTop : kAnchorLeft;
    const unsigned far_edge = vertical ? kAnchorBottom : kAnchorRight;
    int range =
        form.scrolls_below_design ? scale_px(vertical ? form.client_height : form.client_width, dpi) : 0;
    for (const auto& c : form.controls) {
        if (c.parent != 0 || c.dock != Dock::None) continue;
        if ((c.anchors & (near_edge | far_edge)) != near_edge || !visible(c.id)) continue;
        const int top = top_of ? top_of(c) : c.top;
        const int end = scale_px(vertical ? top + c.height : c.left + c.width, dpi);
        if (end > range) range = end;
    }
    return range;
}

std::vector<Rect> place_controls(const FormTable& form, int width, int height, int dpi,
                                 const DesignTop& top_of,
                                 const std::function<Rect(const ControlDef&, const Rect&)>& page) {
    const auto defs = form.controls;
    const std::size_t n = defs.size();
    // Per control: the area its children are anchored in, and what the
    // bands docked in it so far have left.
    std::vector<Rect> placed(n), inner(n), left(n);
    const Rect window{0, 0, width, height};
    Rect window_left = window;
    for (std::size_t i = 0; i < n; ++i) {
        const ControlDef& c = defs[i];
        const ControlDef* parent = nullptr;
        const Rect* area = &window;
        Rect* rest = &window_left;
        for (std::size_t j = 0; j < i && c.parent != 0; ++j)
            if (defs[j].id == c.parent) {
                parent = &defs[j];
                area = &inner[j];
                rest = &left[j];
            }
        Rect r{};
        if (c.dock == Dock::Bottom) {
            const int h = scale_px(c.height, dpi);
            r = {rest->left, rest->top + rest->height - h, rest->width, h};
            rest->height = rest->height > h ? rest->height - h : 0;
        } else if (c.dock == Dock::Fill) {
            r = *rest;
        } else {
            const int top = top_of ? top_of(c) : c.top;
            const int design_w = parent ? parent->width : form.client_width;
            const int design_h = parent ? parent->height : form.client_height;
            const int x0 = parent ? parent->left : 0, y0 = parent ? parent->top : 0;
            r = anchor_rect({c.left - x0, top - y0, c.width, c.height}, c.anchors, design_w, design_h,
                            area->width, area->height, dpi);
            r.left += area->left;
            r.top += area->top;
        }
        placed[i] = r;
        inner[i] = left[i] = page ? page(c, r) : r;
    }
    return placed;
}

}  // namespace vq
