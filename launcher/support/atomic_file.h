// Replacing a file's contents in one step, so that a crash or a kill in the
// middle never leaves it half written.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// Writes the bytes to a temporary file beside `path` (temp_path_beside,
// named after this process), flushes it and moves it over `path`.  A
// read-only file is left unchanged and the write fails.  False on any
// failure (the temporary file is removed), with the system's error code
// in `error` when one is given.  Long names work (file_api_name).
bool replace_file(const std::string& path, std::string_view bytes, unsigned long* error = nullptr);

}  // namespace vq
