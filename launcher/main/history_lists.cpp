#include "main/history_lists.h"

#include <unordered_set>

namespace vq {

namespace {
bool at_or_below_blank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string trim_blanks(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && at_or_below_blank(text[b])) ++b;
  while (e > b && at_or_below_blank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

void drop_oldest(std::vector<std::string>& list, long long n) {
  if (n <= 0) return;
  if (n >= static_cast<long long>(list.size())) {
    list.clear();
    return;
  }
  list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n));
}

void delete_words(std::vector<std::string>& list, const std::vector<std::string>& words,
                  const TextKey& key) {
  if (words.empty() || list.empty()) return;
  std::unordered_set<std::string> gone;
  for (const auto& w : words) gone.insert(key(w));
  size_t out = 0;
  for (size_t i = 0; i < list.size(); ++i)
    if (!gone.count(key(list[i]))) {
      if (out != i) list[out] = std::move(list[i]);
      ++out;
    }
  list.resize(out);
}

void dedupe_keep_last(std::vector<std::string>& list, const TextKey& key) {
  // Walk from the newest line back; a text already seen is an older repeat.
  std::unordered_set<std::string> seen;
  std::vector<bool> keep(list.size());
  for (size_t i = list.size(); i-- > 0;) keep[i] = seen.insert(key(list[i])).second;
  size_t out = 0;
  for (size_t i = 0; i < list.size(); ++i)
    if (keep[i]) {
      if (out != i) list[out] = std::move(list[i]);
      ++out;
    }
  list.resize(out);
}

void prune_short(std::vector<std::string>& list, int minimum, int exempt, bool leave_1) {
  // After removals the lines still to be examined are exactly the original
  // lines from `in` on, so "this line and all after it" is size - in.
  const size_t n = list.size();
  size_t out = 0;
  for (size_t in = 0; in < n; ++in) {
    std::string t = trim_blanks(list[in]);
    const long long from_here = static_cast<long long>(n - in);
    if (t.empty()) continue;
    if (from_here > exempt && static_cast<long long>(t.size()) < minimum) continue;
    if (!leave_1 && t.size() == 1) continue;
    list[out++] = std::move(t);
  }
  list.resize(out);
}

std::vector<HistEntryData> build_history(std::vector<std::string> lines,
                                         const std::vector<std::string>& deletes,
                                         const LoadSettings& s, const TextKey& key,
                                         const AddingProgress& progress) {
  const long long max = s.max;
  drop_oldest(lines, static_cast<long long>(lines.size()) - 4 * max);
  delete_words(lines, deletes, key);
  dedupe_keep_last(lines, key);
  prune_short(lines, s.length, s.leave_short, s.leave_1);
  drop_oldest(lines, static_cast<long long>(lines.size()) - max);

  // Trimming can make two kept lines equal (" dir" and "dir"); the walk
  // keeps the newer one.
  std::vector<HistEntryData> entries;
  std::unordered_set<std::string> taken;
  int32_t loadcount = 0;
  for (size_t i = lines.size(); i-- > 0;) {
    std::string k = key(lines[i]);
    if (taken.count(k)) continue;
    if (loadcount % 256 == 0 && progress && progress(loadcount)) break;
    taken.insert(std::move(k));
    entries.push_back({std::move(lines[i]), loadcount});
    ++loadcount;
    if (loadcount >= max) break;
  }
  return entries;
}

}  // namespace vq
