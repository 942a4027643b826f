// The words of a command line and the file-name tests applied to them.
// Pure text in, text out.
#pragma once

#include <string>

namespace vq {

// Longest rest of a command line that split_command hands back.
inline constexpr std::size_t command_rest_limit = 5000;

// Splits a command line (not empty, not beginning with a blank) into its
// first word and the rest.  A word in double quotes runs to the next quote
// that is not doubled ("" inside stands for one quote) and keeps its
// enclosing quotes when they are found again in the line; any other word
// ends before the first character at or below the blank or the first comma.
// `rest` is what follows the word's length in the line (at most 5000
// characters), normally beginning with the separating blank.
void split_command(const std::string& line, std::string& program, std::string& rest);

// True when the name holds a backslash or a colon.
bool has_path(const std::string& name);
// True when the name holds a question mark or an asterisk.
bool has_wildcard(const std::string& name);
// The text from the name's last full stop, when no backslash or colon
// follows it; empty otherwise.  Quotes are not removed first.
std::string file_extension(const std::string& name);
// True for the extension ".bat", and for ".cmd" when `cmd_too` holds
// (ASCII letters compared without regard to case).
bool is_batch_name(const std::string& name, bool cmd_too);

// A program's path as the first word of a command line: in double quotes
// when it holds a blank and is not quoted already, so that the command
// interpreter and the child's argument split see one word.
std::string command_word(const std::string& program);

}  // namespace vq
