// A font that the window holding it owns for its life, made for the
// window's DPI and made again when that changes.
#pragma once

#include <windows.h>

#include "window/dpi_scale.h"

namespace vq {

class Font {
  public:
    // `pixels`: the character height in design pixels (96 DPI); `charset`:
    // ANSI_CHARSET, OEM_CHARSET, ...  Nothing is made before make().
    Font(int pixels, const char* face, BYTE charset = ANSI_CHARSET)
        : pixels_(pixels), face_(face), charset_(charset) {}
    ~Font() { release(); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The font at `dpi`; the one made before is deleted, so the controls
    // must get the new one before they paint again.
    void make(int dpi) {
        release();
        font_ = CreateFontA(-scale_px(pixels_, dpi), 0, 0, 0, FW_NORMAL, 0, 0, 0, charset_, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face_);
    }
    HFONT get() const { return font_; }

  private:
    void release() {
        if (font_) DeleteObject(font_);
        font_ = nullptr;
    }
    int pixels_;
    const char* face_;
    BYTE charset_;
    HFONT font_ = nullptr;
};

}  // namespace vq
