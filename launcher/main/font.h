// A font that the window holding it owns for its life.
#pragma once

#include <windows.h>

namespace vq {

class Font {
  public:
    // `pixels`: the character height; `charset`: ANSI_CHARSET, OEM_CHARSET, ...
    Font(int pixels, const char* face, BYTE charset = ANSI_CHARSET)
        : font_(CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, charset, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face)) {}
    ~Font() {
        if (font_) DeleteObject(font_);
    }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    HFONT get() const { return font_; }

  private:
    HFONT font_;
};

}  // namespace vq
