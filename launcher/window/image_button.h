// Buttons that show a small picture beside their caption.  The button is an
// owner-drawn push button; the window that holds it passes its WM_DRAWITEM
// messages to draw_image_button.  The picture comes in two states: as it is,
// and a grey version for a disabled button.  Pictures are 18 x 18 design
// pixels and are drawn for the button's DPI: pixel pictures with every
// pixel enlarged to a block, the standard pictures with lines and shapes.
#pragma once

#include <windows.h>

namespace vq {

// A picture in a 16-colour palette, written as text: each row holds the
// normal picture followed by the disabled one, one character a pixel:
//   .  background (not drawn)      k black      w white
//   a  grey        s silver        g green      l lime
//   y  yellow      o olive         r maroon     m red
struct Glyph {
    int width, height;        // of one picture
    const char* const* rows;  // `height` rows of 2 * `width` characters
};

enum class GlyphSide { Left, Right };

// The standard pictures of the OK, Cancel and Help kinds of button: a
// green check mark, a red cross, a white question mark on a blue disc.
enum class StockGlyph { Ok, Cancel, Help };

// The size of a picture at `dpi`, in pixels (square).
int glyph_size(int dpi);

class ImageButton {
  public:
    ImageButton(const Glyph& glyph, GlyphSide side) : glyph_(&glyph), side_(side) {}
    explicit ImageButton(StockGlyph stock) : stock_(stock), side_(GlyphSide::Left) {}
    ~ImageButton();
    ImageButton(const ImageButton&) = delete;
    ImageButton& operator=(const ImageButton&) = delete;

    // Binds the picture to an owner-drawn button (BS_OWNERDRAW).
    void attach(HWND button);
    // Which side of the caption the picture is on; the button is repainted.
    void set_side(GlyphSide side);
    GlyphSide side() const { return side_; }

  private:
    friend bool draw_image_button(const DRAWITEMSTRUCT& item);
    void draw(const DRAWITEMSTRUCT& item) const;
    // The picture with its top left corner at x, y, `size` pixels square.
    void draw_picture(HDC dc, int x, int y, int size, bool disabled) const;

    const Glyph* glyph_ = nullptr;  // a pixel picture, or else
    StockGlyph stock_ = StockGlyph::Ok;
    GlyphSide side_;
    HWND button_ = nullptr;
};

// Paints an owner-drawn button: the push-button frame, the caption and, for
// a button with an ImageButton attached, its picture.  False when the item
// is not a button.
bool draw_image_button(const DRAWITEMSTRUCT& item);

}  // namespace vq
