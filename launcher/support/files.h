// The launcher's own directory, file existence and the environment.
#pragma once

#include <string>
#include <vector>

namespace vq {

// The directory of the running program file, ending in a backslash;
// computed once per process.
const std::string& program_dir();
// A bare name (non-empty, no "\" and no ":") gets program_dir in front;
// any other text is left alone.
void in_program_dir(std::string& name);
// in_program_dir of `name`, as a new text.
std::string program_file(const std::string& name);
// Replaced by its in_program_dir form when such a file exists.
void prefer_program_dir(std::string& name);

// The name as the wide file functions take it: from the ANSI code page,
// made whole and in its long form when it is long (long_path.h), so that
// every file that a name reaches can also be written and deleted beside.
std::wstring file_api_name(const std::string& name);

// True when FindFirstFile finds an entry for the name that is not a
// directory (a wildcard name exists when some file matches).
bool file_exists(const std::string& name);
// True when the name is an existing directory.
bool directory_exists(const std::string& name);
// Deletes a file; false when that failed.
bool delete_file(const std::string& name);

// Reads a whole file into `bytes` (shared with writers, movers and
// deleters); the system's error code is left for GetLastError when it
// fails.
enum class ReadResult { ok, cannot_open, cannot_read };
ReadResult read_whole_file(const std::string& path, std::string& bytes);

// Value of an environment variable; empty when it is not set.
std::string get_env(const std::string& name);

// The process arguments 1 to n, as the platform split the command line.
std::vector<std::string> command_args();

}  // namespace vq
