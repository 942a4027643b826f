#include "support/temp_files.h"

#include <cctype>

namespace vq {

namespace {

constexpr std::string_view temp_suffix = ".new~";

bool same_ascii_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::string temp_path_beside(const std::string& path, uint32_t pid) {
    return path + "." + std::to_string(pid) + std::string(temp_suffix);
}

std::string temp_files_pattern(const std::string& path) {
    return path + ".*" + std::string(temp_suffix.substr(1));
}

std::string legacy_temp_name(std::string_view history_name) {
    return std::string(history_name) + std::string(temp_suffix);
}

std::optional<uint32_t> temp_file_owner(std::string_view history_name, std::string_view file_name) {
    // File names compare without regard to case, as the file system does.
    if (history_name.empty() || file_name.size() < history_name.size() + 1 + 1 + temp_suffix.size())
        return std::nullopt;
    if (!same_ascii_case(file_name.substr(0, history_name.size()), history_name) ||
        file_name[history_name.size()] != '.' ||
        !same_ascii_case(file_name.substr(file_name.size() - temp_suffix.size()), temp_suffix))
        return std::nullopt;
    const std::string_view digits = file_name.substr(
        history_name.size() + 1, file_name.size() - history_name.size() - 1 - temp_suffix.size());
    if (digits.empty() || digits.size() > 10) return std::nullopt;
    uint64_t pid = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        pid = pid * 10 + static_cast<uint64_t>(c - '0');
    }
    if (pid > UINT32_MAX) return std::nullopt;
    return static_cast<uint32_t>(pid);
}

}  // namespace vq
