#include "support/text_lines.h"

namespace vq {

bool read_line(std::string_view& rest, std::string_view& line) {
    const std::string_view before = rest;
    if (!next_line(rest, line)) return false;
    if (line.size() > read_line_piece) {
        line = line.substr(0, read_line_piece);
        rest = before.substr(read_line_piece);
    }
    return true;
}

}  // namespace vq
