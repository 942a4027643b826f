// The key by which history texts are matched: the user locale's sort key
// ignoring letter case.  Two texts have equal keys exactly when the
// locale's case-insensitive comparison calls them equal, so the key can
// stand in for that comparison in hash sets.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// Writes the key of `text` into `key`, whose buffer is reused.  Two texts
// have equal keys exactly when same_text (support/textlist.h) calls them
// equal.
void locale_text_key_into(std::string_view text, std::string& key);

}  // namespace vq
