#include "main/exec_text.h"

#include <type_traits>

namespace vq {

namespace {

template <class Ch>
bool is_blank(Ch c) {
    return static_cast<std::make_unsigned_t<Ch>>(c) <= ' ';
}

// Where the program name at the head of the raw command line ends: at its
// closing quote when it is quoted, else at the first blank or tab.
template <class Ch>
size_t after_program_name(const std::basic_string<Ch>& command_line) {
    if (!command_line.empty() && command_line.front() == Ch('"')) {
        const size_t close = command_line.find(Ch('"'), 1);
        return close == std::basic_string<Ch>::npos ? command_line.size() : close + 1;
    }
    size_t end = 0;
    while (end < command_line.size() && command_line[end] != Ch(' ') && command_line[end] != Ch('\t')) ++end;
    return end;
}

template <class Ch>
std::basic_string<Ch> exec_text(const std::basic_string<Ch>& command_line) {
    // A "-exec" inside the program's own path is not the option.
    const Ch option[] = {Ch('-'), Ch('e'), Ch('x'), Ch('e'), Ch('c'), Ch(0)};
    const size_t at = command_line.find(option, after_program_name(command_line));
    if (at == std::basic_string<Ch>::npos) return {};
    const std::basic_string<Ch> text = command_line.substr(at + 5, 5000);
    size_t b = 0, e = text.size();
    while (b < e && is_blank(text[b])) ++b;
    while (e > b && is_blank(text[e - 1])) --e;
    return text.substr(b, e - b);
}

}  // namespace

std::string exec_text_of(const std::string& command_line) {
    return exec_text(command_line);
}

std::wstring exec_text_of(const std::wstring& command_line) {
    return exec_text(command_line);
}

}  // namespace vq
