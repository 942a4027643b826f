// Text rules for paths: trailing backslashes, the drive/directory/name/
// extension split, extension cuts, the temporary-name counter and the small
// conversions the path operations write. No file system access here.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "text.h"

namespace rovik {

// A path holds at most this many characters (260 bytes with the terminator).
constexpr size_t kPathMax = 259;

// The text cut to kPathMax characters.
std::string cutPath(const std::string& path);

// Appends a backslash to a non-empty path that does not end in one, unless
// the path is already at its length limit.
std::string addTrailingSlash(const std::string& path);

// Removes a trailing backslash, but keeps it on a root ("C:\", "\") and
// after a one-character relative name ("a\").
std::string stripTrailingSlash(const std::string& path);

// The standard split of a file name into drive, directory, name and extension.
struct PathParts {
    std::string drive;  // "C:" or empty
    std::string dir;    // with leading and trailing backslash, e.g. "\work\"
    std::string name;
    std::string ext;  // with its leading period, e.g. ".txt"
};
PathParts splitPath(const std::string& path);

// Does the text hold a wildcard ("*" or "?")?
bool hasWildcards(const std::string& text);

// The path without the extension of its last component; unchanged when the
// last component has no period.
std::string cutExtension(const std::string& path);

// Advances a name's first seven characters like a base-26 counter over A..Z,
// the seventh fastest. Returns false (name unchanged) when the counter has
// run out.
bool advanceTempCounter(std::string& name);

// "\\server\path\part" -> server and "\path\part"; other texts give two
// empty parts.
struct UncParts {
    std::string server;
    std::string path;
};
UncParts splitUnc(const std::string& text);

// Every backslash turned into a slash.
std::string backslashesToSlashes(const std::string& text);

// The arguments joined with blanks, prefixed with "http://" unless they name
// an .htm/.html page or the first one already holds "http://".
std::string httpize(const std::vector<std::string>& args);

// The text after the first ":" (the whole text without one): "C:\work" ->
// "\work".
std::string withoutDrive(const std::string& dir);

// "C:\work" -> "\C\work": the drive becomes the first path element.
std::string driveAsElement(const std::string& dir);

// The lines that make the command interpreter enter dir: a drive line
// ("C:") when dir starts with one, then cd "rest" (cut at a line feed).
std::string changeDirectoryLines(const std::string& dir);

// The current directory moved to another drive: the first character
// replaced by the target's first character ("C:\work", "e" -> "e:\work").
std::string driveTwin(const std::string& cwd, const std::string& target);

// The directories to make, outermost first, so that path exists: each
// prefix ending before a single backslash found from two characters after the
// ":", then the whole path. Doubled backslashes are stepped over. Empty when
// the path has no ":" followed by at least one character.
std::vector<std::string> directoriesToMake(const std::string& path);

// The pop file's contents split as its lines are read back (pieces of at
// most 269 characters, each keeping its line feed): everything before the
// last piece, and the last piece itself (empty for an empty file).
struct PoppedEntry {
    std::string rest;
    std::string last;
};
PoppedEntry popLastEntry(const std::string& content);

}  // namespace rovik
