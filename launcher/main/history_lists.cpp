#include "main/history_lists.h"

#include <algorithm>
#include <string_view>
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

std::vector<HistEntryData> build_history(const std::vector<std::string>& lines,
                                         const std::vector<std::string>& deletes,
                                         const LoadSettings& s, const TextKey& key,
                                         const AddingProgress& progress) {
  return build_history(std::vector<std::string_view>(lines.begin(), lines.end()), deletes, s, key,
                       progress);
}

std::vector<HistEntryData> build_history(const std::vector<std::string_view>& lines,
                                         const std::vector<std::string>& deletes,
                                         const LoadSettings& s, const TextKey& key,
                                         const AddingProgress& progress) {
  // The steps (cut to 4 x max, delete words, keep the last of each repeat,
  // prune short lines, keep the newest max, walk newest first) all decide
  // about a line from the line itself and the lines newer than it.  So one
  // pass from the newest line back does them all, and it stops as soon as
  // max lines have come through the pruning: older lines cannot reach the
  // list.  Each line's key is computed once, and only for lines looked at.
  const long long max = s.max;
  std::vector<HistEntryData> entries;
  if (max <= 0) return entries;
  const size_t oldest =
      static_cast<long long>(lines.size()) > 4 * max ? lines.size() - static_cast<size_t>(4 * max) : 0;

  std::unordered_set<std::string> gone;
  for (const auto& w : deletes) gone.insert(key(w));
  // Keys live in `keys` (never reallocated: one slot per line looked at,
  // plus one per trimmed line); the sets refer to them.
  const size_t span = lines.size() - oldest;
  std::vector<std::string> keys;
  keys.reserve(2 * span);
  std::unordered_set<std::string_view> seen;   // untrimmed keys of newer kept lines
  std::unordered_set<std::string_view> taken;  // keys of the entries added
  seen.reserve(span);
  taken.reserve(static_cast<size_t>(std::min<long long>(max, static_cast<long long>(span))));
  long long deduped = 0;                  // lines kept by the repeat step so far
  long long pruned = 0;                   // lines kept by the pruning so far
  int32_t loadcount = 0;
  for (size_t i = lines.size(); i-- > oldest;) {
    std::string_view text = lines[i];
    keys.push_back(key(text));
    std::string_view k = keys.back();
    if (!gone.empty() && gone.count(keys.back())) continue;
    if (!seen.insert(k).second) continue;
    ++deduped;  // this line and all kept lines after it
    size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    const long long len = static_cast<long long>(e - b);
    if (len == 0) continue;
    if (deduped > s.leave_short && len < s.length) continue;
    if (!s.leave_1 && len == 1) continue;
    if (++pruned > max) break;
    // Trimming can make two kept lines equal (" dir" and "dir"); the walk
    // keeps the newer one.
    if (static_cast<size_t>(len) != text.size()) {
      text = text.substr(b, static_cast<size_t>(len));
      keys.push_back(key(text));
      k = keys.back();
    }
    if (taken.count(k)) continue;
    if (loadcount % 256 == 0 && progress && progress(loadcount)) break;
    taken.insert(k);
    entries.push_back({std::string(text), loadcount});
    ++loadcount;
    if (loadcount >= max) break;
  }
  return entries;
}

}  // namespace vq
