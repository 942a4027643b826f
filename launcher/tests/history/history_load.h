// The history load as the launcher runs it (from a file's bytes), over
// lines that a test gives: joined with a line end into the bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/history_build.h"
#include "history/locale_key.h"

namespace vqtest {

struct LoadedEntry {
    std::string text;
    int32_t age;
};

inline std::vector<LoadedEntry> load_lines(const std::vector<std::string>& lines,
                                           const std::vector<std::string>& deletes, const vq::LoadSettings& s,
                                           const vq::AddingProgress& progress, const char* line_end = "\r\n") {
    std::string bytes;
    for (const auto& l : lines) bytes += l + line_end;
    const std::vector<std::string_view> texts =
        vq::build_history_views(bytes, deletes, s, vq::locale_text_key_into, progress);
    std::vector<LoadedEntry> entries;
    entries.reserve(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) entries.push_back({std::string(texts[i]), static_cast<int32_t>(i)});
    return entries;
}

}  // namespace vqtest
