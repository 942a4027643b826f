#include "main/find_back.h"

#include <cstring>

namespace vq {

bool find_matches(const char* edit_text, const char* item_text) {
    return edit_text[0] != '\0' && std::strstr(item_text, edit_text) != nullptr;
}

int next_backpos(int backpos, bool shift) {
    if (shift) return backpos > 0 ? backpos - 1 : backpos;
    return backpos + 1;
}

}  // namespace vq
