#include "main/favorites.h"

#include "main/form.h"
#include "main/main_window.h"
#include "support/control_text.h"

namespace vq {

namespace {

// A click and the second click of a double click arrive within this time.
constexpr UINT kFavoritesTickMs = 250;

const char* const kStarRows[] = {
    "....................................",  //
    "........k.................a.........",  //
    "........k.................aw........",  //
    "........k.................aw........",  //
    ".......kyk...............a.a........",  //
    ".......kyk...............a.aw.......",  //
    "......kyyyk.............a...a.......",  //
    ".kkkkkyyyyykkkkk...aaaaa.....aaaaa..",  //
    "..kkyyyyyyyyykk.....aa.........aaww.",  //
    "....kyyyyyyyk........wa.......a.ww..",  //
    ".....kyyyyyk...........a.....a.w....",  //
    ".....kyyyyyk...........a.....aw.....",  //
    ".....kyykyyk...........a..a..aw.....",  //
    "....kykk.kkyk.........a.aa.aa.a.....",  //
    "....kk.....kk.........aa.ww.waaw....",  //
    "....k.......k.........aww.....aw....",  //
    ".......................w.......w....",  //
    "....................................",  //
};

}  // namespace

const Glyph kFavoritesGlyph{18, 18, kStarRows};

void TForm1::set_favorites(const TextList& favorites) {
    HWND list = item(ID_ListBox_Favorites);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& f : favorites)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.c_str()));
    if (favorites.empty())
        ShowWindow(item(ID_BitBtn_Favorites), SW_HIDE);
    else
        show_control(ID_BitBtn_Favorites);
}

// Opens the list with no favorite chosen yet (so a click on any of them
// counts), or closes it.
void TForm1::togglefavorites() {
    HWND list = item(ID_ListBox_Favorites);
    if (IsWindowVisible(list)) {
        ShowWindow(list, SW_HIDE);
        favorites_image_.set_side(GlyphSide::Right);
    } else {
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ShowWindow(list, SW_SHOW);
        favorites_image_.set_side(GlyphSide::Left);
    }
}

void TForm1::BitBtn_FavoritesClick() {
    togglefavorites();
}

void TForm1::ListBox_FavoritesClick() {
    SetTimer(handle(), ID_Timer_favorites, kFavoritesTickMs, nullptr);
}

void TForm1::ListBox_FavoritesDblClick() {
    favdbl = true;
}

// A tick after a click: the chosen favorite into the Edit box; after a
// double click it runs, otherwise the list closes.
void TForm1::Timer_favoritesTimer() {
    KillTimer(handle(), ID_Timer_favorites);
    HWND list = item(ID_ListBox_Favorites);
    const LRESULT cur = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (cur == LB_ERR) return;
    set_edit_text(list_item_text(list, static_cast<int>(cur)));
    if (favdbl) {
        run_request();
        return;
    }
    togglefavorites();
    SetFocus(item(ID_Edit));
}

}  // namespace vq
