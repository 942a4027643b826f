#include "main/image_button.h"

#include <string>

namespace vq {

namespace {

// The key under which a button keeps its ImageButton.
constexpr const char* kImageProp = "vq.ImageButton";

// Pixels apart: picture and caption.
constexpr int kSpacing = 4;

COLORREF palette_colour(char c, bool* drawn) {
    *drawn = true;
    switch (c) {
        case 'k':
            return RGB(0, 0, 0);
        case 'w':
            return RGB(255, 255, 255);
        case 'a':
            return RGB(128, 128, 128);
        case 's':
            return RGB(192, 192, 192);
        case 'g':
            return RGB(0, 128, 0);
        case 'l':
            return RGB(0, 255, 0);
        case 'y':
            return RGB(255, 255, 0);
        case 'o':
            return RGB(128, 128, 0);
        case 'r':
            return RGB(128, 0, 0);
        case 'm':
            return RGB(255, 0, 0);
        default:
            *drawn = false;
            return 0;
    }
}

std::string caption_of(HWND button) {
    char text[256] = "";
    GetWindowTextA(button, text, sizeof text);
    return text;
}

}  // namespace

ImageButton::~ImageButton() {
    if (button_ && IsWindow(button_)) RemovePropA(button_, kImageProp);
}

void ImageButton::attach(HWND button) {
    button_ = button;
    SetPropA(button, kImageProp, this);
}

void ImageButton::set_side(GlyphSide side) {
    side_ = side;
    if (button_) InvalidateRect(button_, nullptr, TRUE);
}

void ImageButton::draw(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    const RECT& r = item.rcItem;
    const std::string caption = caption_of(item.hwndItem);
    RECT text_rect{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &text_rect, DT_CALCRECT | DT_SINGLELINE);
    const int text_w = text_rect.right, text_h = text_rect.bottom;
    const int shift = pushed ? 1 : 0;
    const int left = (r.left + r.right - (glyph_.width + kSpacing + text_w)) / 2 + shift;
    const int glyph_x = side_ == GlyphSide::Left ? left : left + text_w + kSpacing;
    const int text_x = side_ == GlyphSide::Left ? left + glyph_.width + kSpacing : left;
    const int glyph_y = (r.top + r.bottom - glyph_.height) / 2 + shift;
    const int from = disabled ? glyph_.width : 0;
    for (int y = 0; y < glyph_.height; ++y) {
        for (int x = 0; x < glyph_.width; ++x) {
            bool drawn = false;
            const COLORREF c = palette_colour(glyph_.rows[y][from + x], &drawn);
            if (drawn) SetPixelV(dc, glyph_x + x, glyph_y + y, c);
        }
    }
    RECT place{text_x, (r.top + r.bottom - text_h) / 2 + shift, text_x + text_w, 0};
    place.bottom = place.top + text_h;
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), -1, &place, DT_SINGLELINE | DT_NOCLIP);
}

bool draw_image_button(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return false;
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (item.itemState & ODS_SELECTED ? DFCS_PUSHED : 0));
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    if (const auto* image = static_cast<const ImageButton*>(GetPropA(item.hwndItem, kImageProp))) {
        image->draw(item);
    } else {
        const std::string caption = caption_of(item.hwndItem);
        SetTextColor(dc, GetSysColor(item.itemState & ODS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextA(dc, caption.c_str(), -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    SetBkMode(dc, old_mode);
    if (item.itemState & ODS_FOCUS) {
        RECT f = item.rcItem;
        InflateRect(&f, -4, -4);
        DrawFocusRect(dc, &f);
    }
    return true;
}

}  // namespace vq
