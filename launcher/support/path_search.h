// The order in which a program word is looked for: the directories of the
// search path and the extensions tried in each.  Pure; the existence test
// is given by the caller.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "support/textlist.h"

namespace vq {

// ".\" first, then one directory per non-empty segment of the PATH value,
// in order, each unquoted and ending in one backslash.  Segments are not
// trimmed; empty segments add nothing; duplicates stay.
TextList search_dirs(const std::string& path_value);

// ".com", ".exe", ".bat", and ".cmd" as the fourth when `cmd_too` holds.
TextList program_extensions(bool cmd_too);

using ExistsTest = std::function<bool(const std::string&)>;

// The first existing candidate: first every directory (outer) with every
// extension (inner) appended to the name, then every directory with the
// bare name.  None when nothing exists.
std::optional<std::string> find_candidate(const std::string& name, const TextList& dirs,
                                          const TextList& extensions, const ExistsTest& exists);

}  // namespace vq
