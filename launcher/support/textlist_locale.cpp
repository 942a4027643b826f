// Locale-aware, case-insensitive lookups in lists of texts.
#include <windows.h>

#include "support/textlist.h"

namespace vq {

bool same_text(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                          b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

int list_index_of(const TextList& list, const std::string& text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (same_text(list[i], text)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace vq
