// Names the wide file functions take beyond the ANSI path limit: a full
// path of MAX_PATH characters or more works only in its long form
// ("\\?\C:\..." or "\\?\UNC\server\share\..."), which the system takes
// as it stands, without making it whole first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vq {

// From this length on, a path goes to the file functions in its long form
// (the shortest limit of the ANSI functions: a directory's name must leave
// room for an 8.3 file name in it).
inline constexpr std::size_t long_path_from = 248;

// The long form of a full path; a path already in that form (or a device
// name, "\\.\") is given back unchanged.
std::wstring long_path_form(std::wstring_view full_path);

}  // namespace vq
