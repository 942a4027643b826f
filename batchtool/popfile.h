// The pop file: a stack of directories, one per line, newest last, kept
// between runs by -pushdir, -popdir and -pushdd.
#pragma once

#include <optional>
#include <string>

namespace rovik {

// "c:\pop~", unless the environment variable JPOP names another file;
// a non-empty argument overrides both.
std::string popFileName(const std::optional<std::string>& argument);

// The backup of the previous contents: the default pop file's drive,
// directory and name with the extension ".b~k".
std::string popBackupName();

}  // namespace rovik
