// Shell characters and the interpreter's own command words.
#include "code/command_checks.h"

namespace vq {

bool has_shell_chars(const std::string& text) {
    return text.find_first_of("<>|&") != std::string::npos;
}

bool is_builtin(const std::string& word, const std::optional<TextList>& builtin_list) {
    return builtin_list && list_contains(*builtin_list, word);
}

}  // namespace vq
