// Raw file handles held in a signed integer; a negative value means that no
// file is open.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

using FileHandle = std::intptr_t;
inline constexpr FileHandle no_file = -1;

// Opens an existing file for reading (shared read/write); -1 on failure.
FileHandle open_read(const std::string& path);
// Creates a file, or empties an existing one, for writing; -1 on failure.
FileHandle create_file(const std::string& path);
// Opens a file for appending (created when missing); -1 on failure.
FileHandle open_append(const std::string& path);

// Writes all the bytes at the file's position, in pieces of at most 1 MiB.
// 0, or the system's error code of the first failure: ERROR_DISK_FULL for
// a write that took fewer bytes than asked (the disk has no more room).
unsigned long write_whole(FileHandle handle, std::string_view bytes);

// Closes the handle when it is not negative; sets it to -1 in every case.
void close_handle(FileHandle& handle);

}  // namespace vq
