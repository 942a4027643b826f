#include "main/list_order.h"

#include <algorithm>
#include <stdexcept>

#include "support/textlist.h"

namespace vq {

int order_for(bool alpha, bool reverse) {
    if (alpha) return reverse ? kOrderAlphaReversed : kOrderAlpha;
    return reverse ? kOrderOldestFirst : kOrderNewestFirst;
}

void sort_items(OrderItems& items, int order) {
    using Item = OrderItems::value_type;
    if (order == kOrderAlpha || order == kOrderAlphaReversed) {
        const bool descending = order == kOrderAlphaReversed;
        std::sort(items.begin(), items.end(), [descending](const Item& a, const Item& b) {
            return descending ? compare_texts(b.first, a.first, false) < 0
                              : compare_texts(a.first, b.first, false) < 0;
        });
        return;
    }
    for (const Item& it : items)
        if (!it.second) throw std::runtime_error("\"" + it.first + "\" has no age");
    const bool oldest_first = order == kOrderOldestFirst;
    std::sort(items.begin(), items.end(), [oldest_first](const Item& a, const Item& b) {
        return oldest_first ? a.second->age > b.second->age : a.second->age < b.second->age;
    });
}

}  // namespace vq
