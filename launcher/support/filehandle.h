// Raw file handles held in a signed integer; a negative value means that no
// file is open.
#pragma once

#include <cstdint>
#include <string>

namespace vq {

using FileHandle = std::intptr_t;
inline constexpr FileHandle no_file = -1;

// Opens an existing file for reading (shared read/write); -1 on failure.
FileHandle open_read(const std::string& path);
// Creates a file, or empties an existing one, for writing; -1 on failure.
FileHandle create_file(const std::string& path);
// Opens a file for appending (created when missing); -1 on failure.
FileHandle open_append(const std::string& path);

// Closes the handle when it is not negative; sets it to -1 in every case.
void close_handle(FileHandle& handle);

}  // namespace vq
