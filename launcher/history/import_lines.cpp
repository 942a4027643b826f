#include "history/import_lines.h"

#include "support/text_lines.h"

namespace vq {

void append_import_lines(std::string_view text, std::string& out) {
    for (std::string_view line; read_line(text, line);) {
        if (line.empty() || line.front() == ';') continue;
        out += line;
        out += "\r\n";
    }
}

std::string_view line_end_before_append(std::string_view file_end) {
    if (file_end.empty() || is_line_end(file_end.back())) return {};
    return "\r\n";
}

}  // namespace vq
