// The history list's cleaning steps and the load pipeline that turns the
// lines of the history file into list entries, newest first.  Pure logic:
// the locale's case-insensitive equality reaches it as a key function, so
// that two texts count as equal exactly when their keys are equal.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/textops.h"

namespace vq {

// Maps a text to a key; two texts are "the same command" when their keys
// are equal (the locale's comparison that ignores letter case).
using TextKey = std::function<std::string(std::string_view)>;
// The same, writing the key into a buffer that the caller reuses.
using TextKeyInto = void (*)(std::string_view text, std::string& key);

// Removes the first n lines (all of them when n is at least the count);
// n of 0 or less leaves the list alone.
void drop_oldest(std::vector<std::string>& list, long long n);

// Removes every line that equals one of the words as a whole.
void delete_words(std::vector<std::string>& list, const std::vector<std::string>& words, const TextKey& key);

// Keeps only the newest (last) occurrence of each text, in its own letter
// case; the kept lines stay in their order.
void dedupe_keep_last(std::vector<std::string>& list, const TextKey& key);

// Trims every line; drops empty lines, lines shorter than `minimum` unless
// they are among the `exempt` newest, and one-character lines unless
// `leave_1`.
void prune_short(std::vector<std::string>& list, int minimum, int exempt, bool leave_1);

struct HistEntryData {
    std::string text;
    int32_t age;
};

struct LoadSettings {
    int32_t max = 400;
    int32_t length = 10;
    int32_t leave_short = 5;
    bool leave_1 = false;
};

// Called at every 256th added entry with the count so far; returns true
// when the user cancelled, which stops the walk before that entry.
using AddingProgress = std::function<bool(int32_t loadcount)>;

// The whole cleaning of the file's lines (oldest first) into the entries
// of the list (newest first, ages 0, 1, 2, ...).  Runs in time near-linear
// in the number of lines.
std::vector<HistEntryData> build_history(const std::vector<std::string_view>& lines,
                                         const std::vector<std::string>& deletes,
                                         const LoadSettings& settings, TextKeyInto key,
                                         const AddingProgress& progress);
std::vector<HistEntryData> build_history(const std::vector<std::string>& lines,
                                         const std::vector<std::string>& deletes,
                                         const LoadSettings& settings, TextKeyInto key,
                                         const AddingProgress& progress);

}  // namespace vq
