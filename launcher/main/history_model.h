// The history list as the program holds it: the entries (text and age, 0
// for the newest command) in the order the list box shows them, and that
// order.  The main window owns the one model and keeps its list box a view
// of it; every reader (the save, the sort, Find, Back, Delete) reads here,
// never the list box.  Pure logic.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_format.h"
#include "main/list_order.h"

namespace vq {

class HistoryModel {
  public:
    // The entries as loaded, newest first: each text's age is its position.
    // The order is then newest first.
    void load(const std::vector<std::string_view>& texts);

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const ListItem& operator[](size_t index) const { return items_[index]; }
    const std::vector<ListItem>& items() const { return items_; }

    // The entry at `index` leaves the list; the others keep their ages.
    void remove(size_t index);

    // Puts the entries into `order` (list_order.h).  False, and nothing
    // changes, when they are in that order already.
    bool setorder(int order);
    // The order the entries are in (list_order.h's kOrder...).
    int listorder() const { return listorder_; }

    // Find: the index of the first entry from `from` on whose text holds
    // `what` (case matters; an empty `what` matches nothing); -1 when none.
    int find_from(const std::string& what, size_t from) const;

  private:
    std::vector<ListItem> items_;
    unsigned char listorder_ = kOrderNewestFirst;
};

}  // namespace vq
