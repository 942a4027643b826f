// The key by which history texts are matched: the user locale's sort key
// ignoring letter case.  Two texts have equal keys exactly when the
// locale's case-insensitive comparison calls them equal, so the key can
// stand in for that comparison in hash sets.
#pragma once

#include <string>
#include <string_view>

namespace vq {

std::string locale_text_key(std::string_view text);
// The same key written into `key`, whose buffer is reused.
void locale_text_key_into(std::string_view text, std::string& key);
// Two texts have equal keys exactly when same_text (support/textlist.h)
// calls them equal.

}  // namespace vq
