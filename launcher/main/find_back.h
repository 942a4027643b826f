// What Find matches and where Back goes next in the history list.
#pragma once

namespace vq {

// Find: the command box text occurs in the item (case matters); an empty
// text matches nothing.
bool find_matches(const char* edit_text, const char* item_text);

// Back: the new Back position.  Shift steps toward the newest entry but
// never below 0; without Shift it steps on, without an upper bound.
int next_backpos(int backpos, bool shift);

}  // namespace vq
