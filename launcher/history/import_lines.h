// What the import appends for a captured console history: its lines, each
// ended by CR LF, without the empty ones and those that begin with ";",
// a line longer than 500 characters cut into pieces of at most 500.
#pragma once

#include <string>
#include <string_view>

namespace vq {

// Appends the lines of `text` (line ends as read_line reads them) to `out`.
void append_import_lines(std::string_view text, std::string& out);

// What goes before lines appended to a file that ends in `file_end` (its
// last bytes; empty for an empty file): a line end when the file's last
// line has none, so that the first appended line does not join it.
std::string_view line_end_before_append(std::string_view file_end);

}  // namespace vq
