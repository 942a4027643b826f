#include "main/favorites.h"


namespace vq {

namespace {

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

}  // namespace vq
