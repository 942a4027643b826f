// The cleaning that turns the lines of the history file into the entries of
// the history list, newest first.  Pure logic: the locale's
// case-insensitive equality reaches it as a key function, so that two texts
// count as equal exactly when their keys are equal.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// Writes the key of a text into a buffer that the caller reuses; two texts
// are "the same command" when their keys are equal.
using TextKeyInto = void (*)(std::string_view text, std::string& key);

struct LoadSettings {
    int32_t max = 400;
    int32_t length = 10;
    int32_t leave_short = 5;
    bool leave_1 = false;
};

// Called at every 256th added entry with the count so far; returns true
// when the user cancelled, which stops the walk before that entry.
using AddingProgress = std::function<bool(int32_t loadcount)>;

// The whole cleaning of the history file's lines (oldest first) into the
// entries of the list (newest first, ages 0, 1, 2, ...), straight from the
// file's bytes (split as split_history_views does):
//  - only the newest 4 x max lines take part;
//  - lines equal to a delete word go;
//  - of repeated texts only the newest occurrence stays, in its own case;
//  - lines are trimmed; empty lines go, lines shorter than `length` go
//    unless they are among the `leave_short` newest lines left after the
//    repeats, and one-character lines go unless `leave_1`;
//  - the newest `max` of the remaining lines are walked newest first, and a
//    text that trimming made equal to a newer one is skipped;
//  - every 256th added entry reports progress first (see AddingProgress).
// It walks back from the newest line only as far as the list needs, in time
// near-linear in the number of lines.  The texts are views into `bytes`,
// newest first; an entry's age is its position.  When the user cancels,
// `unreached` (if given) gets the start of the bytes up to the end of the
// line the walk stopped at: the lines that the list holds nothing of; else
// it is empty.
std::vector<std::string_view> build_history_views(std::string_view bytes, const std::vector<std::string>& deletes,
                                                  const LoadSettings& settings, TextKeyInto key,
                                                  const AddingProgress& progress,
                                                  std::string_view* unreached = nullptr);

}  // namespace vq
