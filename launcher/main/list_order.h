// The orders of the history list: by age or by text, each either way, and
// the sort that puts the list's entries into one of them.  Pure logic.
#pragma once

#include <vector>

#include "history/history_format.h"

namespace vq {

// The values of HistoryModel::listorder().
inline constexpr int kOrderAlpha = 0;          // by text, ascending
inline constexpr int kOrderNewestFirst = 1;    // by age, ascending (as loaded)
inline constexpr int kOrderAlphaReversed = 2;  // by text, descending
inline constexpr int kOrderOldestFirst = 3;    // by age, descending

// The order the sort controls ask for: "&alpha" or "&time", and Reverse.
int order_for(bool alpha, bool reverse);

// Sorts the entries into `order`.  The text orders compare with only the
// ASCII letters folded to upper case (so "_" sorts after every letter and
// accented letters by their code); the age orders compare the entries'
// ages.  Entries that compare equal may end up either way.
void sort_items(std::vector<ListItem>& items, int order);

}  // namespace vq
