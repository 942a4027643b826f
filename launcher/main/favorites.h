// Favorites: the options file's fixed list of commands, shown in a list
// that opens over the history list from the Favorites button.  A click on a
// favorite takes it into the Edit box and closes the list; a double click
// runs it.  One 250 ms timer tells the two apart.  The handlers are the
// main window's (main_window.cpp); this is the button's picture.
#pragma once

#include "window/image_button.h"

namespace vq {

// A star; beside the caption of BitBtn_Favorites, right of it while the
// list is closed and left of it while it is open.
extern const Glyph kFavoritesGlyph;

}  // namespace vq
