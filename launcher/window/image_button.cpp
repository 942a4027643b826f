#include "window/image_button.h"

#include <string>

#include "support/control_text.h"
#include "window/dpi.h"
#include "window/dpi_scale.h"

namespace vq {

namespace {

// The key under which a button keeps its ImageButton.
constexpr const char* kImageProp = "vq.ImageButton";

// Design pixels: the picture's size, and the gap between picture and
// caption.
constexpr int kGlyphSize = 18;
constexpr int kSpacing = 4;

constexpr COLORREF kOkColour = RGB(0, 128, 0);
constexpr COLORREF kCancelColour = RGB(192, 0, 0);
constexpr COLORREF kHelpColour = RGB(0, 0, 160);

// The corners of a standard picture, in eighteenths of its size.
struct Corner {
    int x, y;
};
constexpr Corner kCheckMark[] = {{3, 9}, {7, 13}, {15, 4}};
constexpr Corner kCrossDown[] = {{4, 4}, {14, 14}};
constexpr Corner kCrossUp[] = {{14, 4}, {4, 14}};

// A line through the corners, `width` pixels thick, with round ends.
void draw_stroke(HDC dc, const Corner* corners, int n, int x, int y, int size, int width, COLORREF colour) {
    LOGBRUSH brush{BS_SOLID, colour, 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                            static_cast<DWORD>(width), &brush, 0, nullptr);
    HGDIOBJ old = SelectObject(dc, pen);
    POINT points[4];
    for (int i = 0; i < n; ++i)
        points[i] = {x + corners[i].x * size / kGlyphSize, y + corners[i].y * size / kGlyphSize};
    Polyline(dc, points, n);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// The standard picture in one colour, or for a disabled button in grey
// with a white shadow.
void draw_stock(HDC dc, StockGlyph stock, int x, int y, int size, COLORREF colour, COLORREF ink) {
    const int stroke = size / 6 > 2 ? size / 6 : 2;
    switch (stock) {
        case StockGlyph::Ok:
            draw_stroke(dc, kCheckMark, 3, x, y, size, stroke, colour);
            break;
        case StockGlyph::Cancel:
            draw_stroke(dc, kCrossDown, 2, x, y, size, stroke, colour);
            draw_stroke(dc, kCrossUp, 2, x, y, size, stroke, colour);
            break;
        case StockGlyph::Help: {
            HBRUSH disc = CreateSolidBrush(colour);
            HPEN edge = CreatePen(PS_SOLID, 1, colour);
            HGDIOBJ old_brush = SelectObject(dc, disc), old_pen = SelectObject(dc, edge);
            Ellipse(dc, x + size / 18, y + size / 18, x + size - size / 18, y + size - size / 18);
            SelectObject(dc, old_brush);
            SelectObject(dc, old_pen);
            DeleteObject(disc);
            DeleteObject(edge);
            HFONT font = CreateFontA(-(size * 3 / 4), 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
            HGDIOBJ old_font = SelectObject(dc, font);
            const COLORREF old_colour = SetTextColor(dc, ink);
            RECT r{x, y, x + size, y + size};
            DrawTextA(dc, "?", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
            SetTextColor(dc, old_colour);
            SelectObject(dc, old_font);
            DeleteObject(font);
            break;
        }
    }
}

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
    return control_text(button);
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
    const int dpi = window_dpi(item.hwndItem);
    const int size = glyph_size(dpi), spacing = scale_px(kSpacing, dpi);
    const int shift = pushed ? scale_px(1, dpi) : 0;
    const int left = (r.left + r.right - (size + spacing + text_w)) / 2 + shift;
    const int glyph_x = side_ == GlyphSide::Left ? left : left + text_w + spacing;
    const int text_x = side_ == GlyphSide::Left ? left + size + spacing : left;
    const int glyph_y = (r.top + r.bottom - size) / 2 + shift;
    draw_picture(dc, glyph_x, glyph_y, size, disabled);
    RECT place{text_x, (r.top + r.bottom - text_h) / 2 + shift, text_x + text_w, 0};
    place.bottom = place.top + text_h;
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), -1, &place, DT_SINGLELINE | DT_NOCLIP);
}

void ImageButton::draw_picture(HDC dc, int x0, int y0, int size, bool disabled) const {
    if (!glyph_) {
        if (disabled) {
            // Embossed: a white copy one pixel down and right, grey above it.
            const int off = size / kGlyphSize > 1 ? size / kGlyphSize : 1;
            const COLORREF shadow = GetSysColor(COLOR_BTNHIGHLIGHT), grey = GetSysColor(COLOR_GRAYTEXT);
            draw_stock(dc, stock_, x0 + off, y0 + off, size, shadow, shadow);
            draw_stock(dc, stock_, x0, y0, size, grey, GetSysColor(COLOR_BTNFACE));
        } else {
            draw_stock(dc, stock_, x0, y0, size, stock_ == StockGlyph::Ok       ? kOkColour
                                                 : stock_ == StockGlyph::Cancel ? kCancelColour
                                                                                : kHelpColour,
                       RGB(255, 255, 255));
        }
        return;
    }
    // Every pixel of the picture becomes a block of the scaled size; the
    // blocks' edges are scaled, so the picture has no gaps and no blur.
    const Glyph& g = *glyph_;
    const int from = disabled ? g.width : 0;
    HGDIOBJ old = SelectObject(dc, GetStockObject(DC_BRUSH));
    const COLORREF old_colour = GetDCBrushColor(dc);
    for (int y = 0; y < g.height; ++y) {
        const int top = y0 + y * size / g.height, bottom = y0 + (y + 1) * size / g.height;
        for (int x = 0; x < g.width; ++x) {
            bool drawn = false;
            const COLORREF c = palette_colour(g.rows[y][from + x], &drawn);
            if (!drawn) continue;
            SetDCBrushColor(dc, c);
            RECT block{x0 + x * size / g.width, top, x0 + (x + 1) * size / g.width, bottom};
            FillRect(dc, &block, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
    }
    SetDCBrushColor(dc, old_colour);
    SelectObject(dc, old);
}

int glyph_size(int dpi) {
    return scale_px(kGlyphSize, dpi);
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
        const int inset = scale_px(4, window_dpi(item.hwndItem));
        InflateRect(&f, -inset, -inset);
        DrawFocusRect(dc, &f);
    }
    return true;
}

}  // namespace vq
