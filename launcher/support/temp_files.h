// Names of the temporary files written beside a file before one is moved
// over it (atomic_file.h): each carries the id of the process that writes
// it, so two launchers never share one, and a file whose writer has gone
// can be told apart from one that is being written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

// "<path>.<pid>.new~"
std::string temp_path_beside(const std::string& path, uint32_t pid);

// The search pattern that finds every temporary file beside `path`:
// "<path>.*new~".
std::string temp_files_pattern(const std::string& path);

// The file name of an older build's temporary file (no process id):
// "<name>.new~".
std::string legacy_temp_name(std::string_view name);

// For a file name found beside a file named `name` (names only, no
// directory): the process id of a temporary file of that file, or none
// when it is not one.
std::optional<uint32_t> temp_file_owner(std::string_view name, std::string_view file_name);

}  // namespace vq
