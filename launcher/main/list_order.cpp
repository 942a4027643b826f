#include "main/list_order.h"

#include <algorithm>

#include "support/textlist.h"

namespace vq {

int order_for(bool alpha, bool reverse) {
    if (alpha) return reverse ? kOrderAlphaReversed : kOrderAlpha;
    return reverse ? kOrderOldestFirst : kOrderNewestFirst;
}

void sort_items(std::vector<ListItem>& items, int order) {
    if (order == kOrderAlpha || order == kOrderAlphaReversed) {
        const bool descending = order == kOrderAlphaReversed;
        std::sort(items.begin(), items.end(), [descending](const ListItem& a, const ListItem& b) {
            return descending ? compare_texts(b.text, a.text, false) < 0 : compare_texts(a.text, b.text, false) < 0;
        });
        return;
    }
    const bool oldest_first = order == kOrderOldestFirst;
    std::sort(items.begin(), items.end(), [oldest_first](const ListItem& a, const ListItem& b) {
        return oldest_first ? a.age > b.age : a.age < b.age;
    });
}

}  // namespace vq
