// Tests on a command that decide how it is started.
#pragma once

#include <optional>
#include <string>

#include "support/textlist.h"

namespace vq {

// True when the text holds one of < > | &: such a command needs the
// command interpreter.
bool has_shell_chars(const std::string& text);

// True when the word is one of the command interpreter's own (the builtins
// list, compared without regard to case); false for every word when the
// list is absent or empty.
bool is_builtin(const std::string& word, const std::optional<TextList>& builtin_list);

}  // namespace vq
