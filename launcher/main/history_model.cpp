#include "main/history_model.h"

#include "main/find_back.h"

namespace vq {

void HistoryModel::load(const std::vector<std::string_view>& texts) {
    items_.clear();
    items_.reserve(texts.size());
    for (size_t at = 0; at < texts.size(); ++at) items_.push_back({std::string(texts[at]), static_cast<int32_t>(at)});
    listorder_ = kOrderNewestFirst;
}

void HistoryModel::remove(size_t index) {
    if (index < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

bool HistoryModel::setorder(int order) {
    if (order == listorder_) return false;
    sort_items(items_, order);
    listorder_ = static_cast<unsigned char>(order);
    return true;
}

int HistoryModel::find_from(const std::string& what, size_t from) const {
    for (size_t i = from; i < items_.size(); ++i)
        if (find_matches(what.c_str(), items_[i].text.c_str())) return static_cast<int>(i);
    return -1;
}

}  // namespace vq
