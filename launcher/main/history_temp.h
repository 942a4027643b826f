// Names of the temporary files a save writes beside the history file
// before it moves one over the history: each carries the id of the process
// that writes it, so two launchers never share one, and a file whose
// writer has gone can be told apart from one that is being written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vq {

// "<history>.<pid>.new~"
std::string history_temp_path(const std::string& history, uint32_t pid);

// The file name of an older build's temporary file (no process id):
// "<history name>.new~".
std::string legacy_temp_name(std::string_view history_name);

// For a file name found beside the history (name only, no directory): the
// process id of a temporary file of the history file named
// `history_name`, or none when it is not one.
std::optional<uint32_t> history_temp_owner(std::string_view history_name, std::string_view file_name);

}  // namespace vq
