// Lists of texts and their sort.
#include "support/textlist.h"

#include <algorithm>

namespace vq {

std::unique_ptr<TextList> new_list() {
    return std::make_unique<TextList>();
}

int compare_texts(const std::string& a, const std::string& b, bool by_byte_value) {
    auto fold = [by_byte_value](char ch) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (!by_byte_value && c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
        return c;
    };
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = fold(a[i]), y = fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void sort_list(TextList& list, bool descending, bool by_byte_value) {
    std::stable_sort(list.begin(), list.end(),
                     [descending, by_byte_value](const std::string& a, const std::string& b) {
                         return descending ? compare_texts(b, a, by_byte_value) < 0
                                           : compare_texts(a, b, by_byte_value) < 0;
                     });
}

}  // namespace vq
