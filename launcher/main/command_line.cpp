// Classifying the program word and composing the command lines.
#include "main/command_line.h"

#include "code/command_checks.h"
#include "support/command_words.h"
#include "support/textops.h"

namespace vq {

namespace {

// The interpreter's /C drops the first and the last quote of a text that
// begins with one (unless it holds exactly two); an outer pair keeps the
// text whole.
std::string for_interpreter(const std::string& comspec, const std::string& text) {
    if (!text.empty() && text.front() == '"') return comspec + " /C \"" + text + "\"";
    return comspec + " /C " + text;
}

}  // namespace

ProgramClass resolveprogram(const std::string& name, const std::optional<TextList>& builtin_list,
                            const FindProgram& find, const PathExists& exists) {
    ProgramClass result;
    result.program = name;
    if (is_builtin(name, builtin_list)) {
        result.found = true;
        return result;
    }
    result.program = find(name);
    if (has_path(result.program)) result.found = exists(result.program);
    if (has_wildcard(result.program)) result.found = false;
    const std::string extension = ascii_lower(file_extension(result.program));
    result.direct = result.found && (extension == ".com" || extension == ".exe");
    if (extension == ".bat" || extension == ".cmd") result.prefix = " call";
    return result;
}

bool has_redirect(const std::string& command) {
    bool quoted = false;
    for (char c : command) {
        if (c == '"') quoted = !quoted;
        if (c == '>' && !quoted) return true;
    }
    return false;
}

std::string direct_command_line(const std::string& program, const std::string& rest) {
    return command_word(program) + rest;
}

std::string interpreter_command_line(const std::string& comspec, const std::string& program,
                                     const std::string& rest) {
    return for_interpreter(comspec, command_word(program) + " " + rest);
}

std::string repeat_command_line(const std::string& comspec, const std::string& vqargs,
                                const std::string& prefix, const std::string& program,
                                const std::string& rest) {
    return for_interpreter(comspec, command_word(vqargs) + prefix + " " + command_word(program) + " " + rest);
}

StartPlan plan_start(const std::string& command, const std::string& rest, const ProgramClass& program,
                     const std::string& comspec, const std::string& vqargs, bool repeat_key) {
    if (!has_shell_chars(command) && program.direct && !repeat_key)
        return {program.program, direct_command_line(program.program, rest), false};
    if (repeat_key && !has_redirect(command))
        return {comspec, repeat_command_line(comspec, vqargs, program.prefix, program.program, rest), true};
    return {comspec, interpreter_command_line(comspec, program.program, rest), false};
}

}  // namespace vq
