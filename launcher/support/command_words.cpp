// Splitting a command line into its first word and the rest, and the tests
// on file names that the lookup and the runner share.
#include "support/command_words.h"

#include "support/textops.h"

namespace vq {

namespace {

bool is_separator(char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == ',';
}

// The first word under the quoting rules, without its quotes.
std::string first_word(const std::string& line) {
    std::size_t i = 0;
    while (i < line.size() && line[i] != '\0' && static_cast<unsigned char>(line[i]) <= ' ') ++i;
    std::string word;
    if (i < line.size() && line[i] == '"') {
        for (++i; i < line.size(); ++i) {
            if (line[i] != '"') {
                word += line[i];
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                word += '"';
                ++i;
            } else {
                break;
            }
        }
    } else {
        while (i < line.size() && !is_separator(line[i])) word += line[i++];
    }
    return word;
}

}  // namespace

void split_command(const std::string& line, std::string& program, std::string& rest) {
    program = first_word(line);
    // 1-based position of the word's first occurrence; 0 when absent.
    const std::size_t found = line.find(program);
    const int p = found == std::string::npos ? 0 : static_cast<int>(found) + 1;
    if (p >= 2 && char_at(line, p - 1) == '"') {
        const int q = pos_from("\"", p + 1, line);
        if (q > 0)
            program = line.substr(static_cast<std::size_t>(p - 2), static_cast<std::size_t>(q - p + 2));
    }
    rest = program.size() < line.size() ? line.substr(program.size(), command_rest_limit) : std::string();
}

bool has_path(const std::string& name) {
    return name.find_first_of("\\:") != std::string::npos;
}

bool has_wildcard(const std::string& name) {
    return name.find_first_of("?*") != std::string::npos;
}

std::string file_extension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.find_first_of("\\:", dot) != std::string::npos) return {};
    return name.substr(dot);
}

bool is_batch_name(const std::string& name, bool cmd_too) {
    const std::string ext = ascii_lower(file_extension(name));
    return ext == ".bat" || (cmd_too && ext == ".cmd");
}

std::string command_word(const std::string& program) {
    if (program.find(' ') == std::string::npos || program.front() == '"') return program;
    return '"' + program + '"';
}

}  // namespace vq
