// The program search over the live PATH, current directory and file system.
#include "support/program_lookup.h"

#include "support/command_words.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/path_search.h"
#include "support/textops.h"
#include "support/windows_version.h"

namespace vq {

TextList path_dirs() {
    return search_dirs(get_env("PATH"));
}

std::string x_in_path(const std::string& name, bool diagnostic) {
    if (has_path(name) && exists_unquoted(name)) return name;
    const auto found =
        find_candidate(name, path_dirs(), program_extensions(modern_windows()),
                       [](const std::string& candidate) { return vq::file_exists(candidate); });
    if (!found) return name;
    if (diagnostic) infof("x_in_path: %s", {*found});
    return quote_arg(*found, true);
}

bool exists_unquoted(const std::string& name) {
    return vq::file_exists(unquote(name));
}

bool is_batch(const std::string& name) {
    return is_batch_name(name, modern_windows());
}

}  // namespace vq
