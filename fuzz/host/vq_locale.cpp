// Host stand-ins for the locale's case-insensitive comparison and its sort
// key: both fold the ASCII letters only, so they agree with each other as
// the real pair does (equal keys exactly when the texts compare equal).
#include "history/locale_key.h"
#include "support/textlist.h"

namespace {
char fold(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

namespace vq {

void locale_text_key_into(std::string_view text, std::string& key) {
    key.assign(1, 'k');  // like a real sort key, never empty
    for (char c : text) key += fold(c);
}

bool same_text(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

int list_index_of(const TextList& list, const std::string& text) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (same_text(list[i], text)) return static_cast<int>(i);
    return -1;
}

}  // namespace vq
