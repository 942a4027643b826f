// File-system services of the path operations: truenames, the current
// directory in its several forms, the ordinary-file search and temporary
// names. Thin wrappers over the platform's calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "driver.h"

namespace rovik {

// The truename of a name: a wildcard pattern that matches an ordinary file
// keeps its wildcards while its directory is resolved; any other name is
// made full and then long (or short with shortNames). A name that cannot be
// resolved comes back exactly as typed.
std::string fullName(const std::string& name, bool shortNames);

// The short (8.3) form of a path, or the path itself when the platform
// cannot convert it.
std::string shortForm(const std::string& path);

// The current directory exactly as the platform reports it.
std::string platformCurrentDir();

// The current directory in long form (short with -short), with the slash
// modifiers applied; forceSlash appends a backslash unless -/- says no.
std::string currentDir(const RunSettings& settings, bool forceSlash);

// The first ordinary file (not a directory, hidden or system file) that
// matches a pattern: its name without directory and the low 32 bits of its
// length as a signed number.
struct FoundFile {
    std::string name;
    int32_t size = 0;
};
std::optional<FoundFile> findOrdinaryFile(const std::string& pattern);

// Does anything (file or directory) of that name exist?
bool pathExists(const std::string& path);

// A fresh empty file "AAAAAAA~" + ext in the current directory; the counter
// goes on from the name used last in this run.
std::string tempName(Run& run, const std::string& ext);

}  // namespace rovik
