// Lists of texts: ordered, growable, unsorted, duplicates allowed.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vq {

using TextList = std::vector<std::string>;

// A new empty list; the creator owns it.
std::unique_ptr<TextList> new_list();

// Reorders the list. Without `by_byte_value` the comparison folds only the
// ASCII letters (a..z as A..Z, every other byte by value, a prefix first);
// with it, plain byte values. `descending` reverses the order.
void sort_list(TextList& list, bool descending, bool by_byte_value);
// The comparison used by sort_list: <0, 0, >0.
int compare_texts(const std::string& a, const std::string& b, bool by_byte_value);

// Whole-text equality with the locale's case-insensitive comparison
// (so DIR equals dir).
bool same_text(const std::string& a, const std::string& b);
// Index of the first item equal to `text` by same_text; -1 when absent.
int list_index_of(const TextList& list, const std::string& text);
inline bool list_contains(const TextList& list, const std::string& text) {
    return list_index_of(list, text) >= 0;
}

}  // namespace vq
