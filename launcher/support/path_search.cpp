// Directories and extensions of the program search, and the search itself.
#include "support/path_search.h"

#include "support/textops.h"

namespace vq {

TextList search_dirs(const std::string& path_value) {
    TextList dirs;
    std::string segment = ".";
    auto close_segment = [&] {
        if (segment.empty()) return;
        std::string dir = unquote(segment);
        add_backslash(dir);
        dirs.push_back(dir);
        segment.clear();
    };
    close_segment();
    for (char c : path_value) {
        if (c == ';')
            close_segment();
        else
            segment += c;
    }
    close_segment();
    return dirs;
}

TextList program_extensions(bool cmd_too) {
    TextList extensions = {".com", ".exe", ".bat"};
    if (cmd_too) extensions.push_back(".cmd");
    return extensions;
}

std::optional<std::string> find_candidate(const std::string& name, const TextList& dirs,
                                          const TextList& extensions, const ExistsTest& exists) {
    for (const auto& dir : dirs) {
        for (const auto& extension : extensions) {
            std::string candidate = dir + name + extension;
            if (exists(candidate)) return candidate;
        }
    }
    for (const auto& dir : dirs) {
        std::string candidate = dir + name;
        if (exists(candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace vq
