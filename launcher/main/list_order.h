// The orders of the history list: by age or by text, each either way, and
// the sort that puts the list's items into one of them.  Pure logic: the
// items are texts with their entry objects.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "main/hist_entry.h"

namespace vq {

// The values of TForm1::listorder().
inline constexpr int kOrderAlpha = 0;          // by text, ascending
inline constexpr int kOrderNewestFirst = 1;    // by age, ascending (as loaded)
inline constexpr int kOrderAlphaReversed = 2;  // by text, descending
inline constexpr int kOrderOldestFirst = 3;    // by age, descending

// The order the sort controls ask for: "&alpha" or "&time", and Reverse.
int order_for(bool alpha, bool reverse);

using OrderItems = std::vector<std::pair<std::string, THistEntry*>>;

// Sorts the items into `order`.  The text orders compare with only the
// ASCII letters folded to upper case (so "_" sorts after every letter and
// accented letters by their code); the age orders compare the entries'
// ages.  Items that compare equal may end up either way.  Throws
// std::runtime_error, leaving the items as they were, when an age order
// meets an item without an entry object.
void sort_items(OrderItems& items, int order);

}  // namespace vq
