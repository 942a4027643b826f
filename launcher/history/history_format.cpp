#include "history/history_format.h"

#include <algorithm>
#include <unordered_set>

#include "support/text_lines.h"
#include "support/textops.h"

namespace vq {

std::vector<std::string_view> split_history_views(std::string_view bytes) {
    std::vector<std::string_view> lines;
    // One allocation: there are at most as many lines as line ends, plus one.
    lines.reserve(static_cast<size_t>(std::count_if(bytes.begin(), bytes.end(), is_line_end<char>)) + 1);
    for (std::string_view rest = bytes, line; next_line(rest, line);) lines.push_back(line);
    return lines;
}

HistoryLinesBackward::HistoryLinesBackward(std::string_view bytes)
    : bytes_(bytes.data()), end_(bytes.size()), more_(end_ > 0) {
    // A line end at the very end closes the last line; no empty line
    // follows it.
    if (end_ > 0 && is_line_end(bytes_[end_ - 1])) skip_line_end();
}

void HistoryLinesBackward::skip_line_end() {
    const char end = bytes_[--end_];
    if (end == '\n') {
        if (end_ > 0 && bytes_[end_ - 1] == '\r') --end_;
    } else if (end == '\0') {
        while (end_ > 0 && bytes_[end_ - 1] == '\0') --end_;
    }
}

bool HistoryLinesBackward::prev(std::string_view& line) {
    if (!more_) return false;
    size_t start = end_;
    while (start > 0 && !is_line_end(bytes_[start - 1])) --start;
    line = std::string_view(bytes_ + start, end_ - start);
    if (start == 0) {
        more_ = false;
        return true;
    }
    // The line end before this line: CR LF and a run of zero bytes count
    // once.
    end_ = start;
    skip_line_end();
    return true;
}

std::string join_history_lines(const std::vector<std::string>& lines) {
    std::string out;
    size_t total = 0;
    for (const auto& l : lines) total += l.size() + 2;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> lines_added_since(std::string_view loaded, std::string_view now) {
    std::vector<std::string> added;
    if (now == loaded) return added;
    std::unordered_set<std::string_view> known;
    for (std::string_view line : split_history_views(loaded)) known.insert(trim_blanks_view(line));
    for (std::string_view line : split_history_views(now)) {
        const std::string_view text = trim_blanks_view(line);
        if (text.empty() || !known.insert(text).second) continue;
        added.emplace_back(line);
    }
    return added;
}

std::vector<std::string> history_save_lines(const std::vector<std::string_view>& unreached,
                                            const std::vector<ListItem>& items, int listorder,
                                            const std::vector<std::string>& added_since,
                                            const std::string& edit_text) {
    std::vector<ListItem> copy = items;
    if (listorder != 3)
        std::stable_sort(copy.begin(), copy.end(),
                         [](const ListItem& a, const ListItem& b) { return a.age > b.age; });
    std::vector<std::string> lines;
    lines.reserve(unreached.size() + copy.size() + added_since.size() + 1);
    for (std::string_view line : unreached)
        if (!line.empty()) lines.emplace_back(line);
    for (auto& it : copy) lines.push_back(std::move(it.text));
    lines.insert(lines.end(), added_since.begin(), added_since.end());
    lines.push_back(edit_text);
    return lines;
}

}  // namespace vq
