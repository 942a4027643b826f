#include "main/exec_text.h"

#include "support/textops.h"

namespace vq {

namespace {

// Where the program name at the head of the raw command line ends: at its
// closing quote when it is quoted, else at the first blank or tab.
size_t after_program_name(const std::string& command_line) {
    if (!command_line.empty() && command_line.front() == '"') {
        const size_t close = command_line.find('"', 1);
        return close == std::string::npos ? command_line.size() : close + 1;
    }
    const size_t end = command_line.find_first_of(" \t");
    return end == std::string::npos ? command_line.size() : end;
}

}  // namespace

std::string exec_text_of(const std::string& command_line) {
    // A "-exec" inside the program's own path is not the option.
    const size_t at = command_line.find("-exec", after_program_name(command_line));
    if (at == std::string::npos) return {};
    return vq::trim_blanks(command_line.substr(at + 5, 5000));
}

}  // namespace vq
