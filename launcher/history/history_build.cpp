#include "history/history_build.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "history/history_format.h"
#include "support/textops.h"

namespace vq {

namespace {

// Keys of one load, stored back to back in large blocks (one allocation per
// block instead of one per key).
class KeyArena {
  public:
    std::string_view store(std::string_view key) {
        if (key.size() > kBlock - used_ || blocks_.empty()) {
            blocks_.push_back(std::make_unique<char[]>(key.size() > kBlock ? key.size() : kBlock));
            used_ = 0;
        }
        char* at = blocks_.back().get() + used_;
        std::copy(key.begin(), key.end(), at);
        used_ += key.size();
        if (key.size() > kBlock) used_ = kBlock;  // a block of its own is full
        return {at, key.size()};
    }

  private:
    static constexpr size_t kBlock = 256 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t used_ = 0;
};

// A set of keys with open addressing: no allocation per key.  Keys are
// never empty, so an empty slot is one without data.
class KeySet {
  public:
    explicit KeySet(size_t expected) {
        // At most three quarters full (see insert): a list of 10,000 keys
        // takes 16,384 slots.
        size_t cap = 16;
        while (cap < expected + expected / 3 + 2) cap <<= 1;
        slots_.resize(cap);
        mask_ = cap - 1;
    }
    // True when the key was not in the set yet.
    bool insert(std::string_view key) {
        size_t i = find(key);
        if (slots_[i].data()) return false;
        slots_[i] = key;
        if (++count_ * 4 > slots_.size() * 3) grow();
        return true;
    }
    bool contains(std::string_view key) const { return slots_[find(key)].data() != nullptr; }

  private:
    size_t find(std::string_view key) const {
        size_t i = std::hash<std::string_view>()(key) & mask_;
        while (slots_[i].data() && slots_[i] != key) i = (i + 1) & mask_;
        return i;
    }
    void grow() {
        std::vector<std::string_view> old;
        old.swap(slots_);
        slots_.resize(old.size() * 2);
        mask_ = slots_.size() - 1;
        for (auto k : old)
            if (k.data()) slots_[find(k)] = k;
    }
    std::vector<std::string_view> slots_;
    size_t mask_ = 0;
    size_t count_ = 0;
};

// The steps (cut to 4 x max, delete words, keep the last of each repeat,
// prune short lines, keep the newest max, walk newest first) all decide
// about a line from the line itself and the lines newer than it.  So one
// pass from the newest line back does them all, and it stops as soon as
// max lines have come through the pruning: older lines cannot reach the
// list.  Each line's key is computed once, and only for lines looked at.
template <class Lines>
std::vector<std::string_view> build_views(Lines& lines, size_t most_lines,
                                          const std::vector<std::string>& deletes, const LoadSettings& s,
                                          TextKeyInto key, const AddingProgress& progress,
                                          const char** cancelled_at = nullptr) {
    const long long max = s.max;
    std::vector<std::string_view> entries;
    if (max <= 0) return entries;
    // Room for the entries and keys a list of this file can have (the sets
    // grow when the guess is short).
    const size_t expected = static_cast<size_t>(std::min<long long>(max, static_cast<long long>(most_lines)));
    entries.reserve(expected);

    KeyArena arena;
    std::string buf;
    KeySet gone(deletes.size());
    for (const auto& w : deletes) {
        key(w, buf);
        gone.insert(arena.store(buf));
    }
    KeySet seen(expected);   // untrimmed keys of newer kept lines
    KeySet taken(expected);  // keys of the entries added
    long long walked = 0;    // lines looked at, of the newest 4 x max
    long long deduped = 0;   // lines kept by the repeat step so far
    long long pruned = 0;    // lines kept by the pruning so far
    int32_t loadcount = 0;
    std::string_view line;
    while (walked < 4 * max && lines.prev(line)) {
        ++walked;
        std::string_view text = line;
        key(text, buf);
        if (!deletes.empty() && gone.contains(buf)) continue;
        std::string_view k = arena.store(buf);
        if (!seen.insert(k)) continue;
        ++deduped;  // this line and all kept lines after it
        const std::string_view trimmed = trim_blanks_view(text);
        const long long len = static_cast<long long>(trimmed.size());
        if (len == 0) continue;
        if (deduped > s.leave_short && len < s.length) continue;
        if (!s.leave_1 && len == 1) continue;
        if (++pruned > max) break;
        // Trimming can make two kept lines equal (" dir" and "dir"); the walk
        // keeps the newer one.
        if (trimmed.size() != text.size()) {
            text = trimmed;
            key(text, buf);
            k = arena.store(buf);
        }
        if (taken.contains(k)) continue;
        if (loadcount % 256 == 0 && progress(loadcount)) {
            if (cancelled_at) *cancelled_at = line.data() + line.size();
            break;
        }
        taken.insert(k);
        entries.push_back(text);
        ++loadcount;
        if (loadcount >= max) break;
    }
    return entries;
}

}  // namespace

std::vector<std::string_view> build_history_views(std::string_view bytes,
                                                  const std::vector<std::string>& deletes,
                                                  const LoadSettings& settings, TextKeyInto key,
                                                  const AddingProgress& progress, std::string_view* unreached) {
    // Every distinct line but the empty one and the last takes two bytes or
    // more, its line end included.
    HistoryLinesBackward source(bytes);
    const char* cancelled_at = nullptr;
    std::vector<std::string_view> entries =
        build_views(source, bytes.size() / 2 + 2, deletes, settings, key, progress, &cancelled_at);
    if (unreached)
        *unreached = cancelled_at ? bytes.substr(0, static_cast<size_t>(cancelled_at - bytes.data()))
                                  : std::string_view();
    return entries;
}

}  // namespace vq
