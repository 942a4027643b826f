// Lines of text as the launcher reads them from files: a line ends at
// CR LF, at a lone CR, at a lone LF, or at a run of zero bytes, which a
// crash or a power loss can leave in a file and which never belongs to a
// line.  The last line needs no line end.
#pragma once

#include <cstddef>
#include <string_view>

namespace vq {

template <class Ch>
constexpr bool is_line_end(Ch c) {
    return c == Ch('\r') || c == Ch('\n') || c == Ch(0);
}

// Takes the next line off the front of `rest` (its line end is dropped);
// false when `rest` is empty.
template <class Ch>
bool next_line(std::basic_string_view<Ch>& rest, std::basic_string_view<Ch>& line) {
    if (rest.empty()) return false;
    size_t stop = 0;
    while (stop < rest.size() && !is_line_end(rest[stop])) ++stop;
    line = rest.substr(0, stop);
    if (stop < rest.size()) {
        const Ch end = rest[stop++];
        if (end == Ch('\r')) {
            if (stop < rest.size() && rest[stop] == Ch('\n')) ++stop;
        } else if (end == Ch(0)) {
            while (stop < rest.size() && rest[stop] == Ch(0)) ++stop;
        }
    }
    rest.remove_prefix(stop);
    return true;
}

// The longest piece of a line that read_line gives at once.
inline constexpr size_t read_line_piece = 500;

// next_line, with a longer line given in pieces of at most 500 characters
// (the rest of the line comes back as the next line).
bool read_line(std::string_view& rest, std::string_view& line);

}  // namespace vq
