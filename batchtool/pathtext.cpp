// Text rules for paths; see pathtext.h.
#include "pathtext.h"

#include <cctype>

namespace rovik {

namespace {

// Component bounds of the split: the drive letter and colon, and at most 255
// characters of directory, name and extension.
constexpr size_t kDriveMax = 2;
constexpr size_t kComponentMax = 255;

// Line pieces of the pop file: a 270-byte buffer holds 269 characters.
constexpr size_t kPopLineMax = 269;

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

std::string cutPath(const std::string& path) {
    return path.size() > kPathMax ? path.substr(0, kPathMax) : path;
}

std::string addTrailingSlash(const std::string& path) {
    if (path.empty() || path.back() == '\\' || path.size() >= kPathMax) return path;
    return path + '\\';
}

std::string stripTrailingSlash(const std::string& path) {
    size_t start = (path.size() >= 2 && path[1] == ':') ? 2 : 0;
    size_t restLength = path.size() - start;
    // At least two characters of the rest must come before the backslash.
    if (restLength >= 3 && path.back() == '\\') return path.substr(0, path.size() - 1);
    return path;
}

PathParts splitPath(const std::string& path) {
    PathParts parts;
    size_t pos = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, kDriveMax);
        pos = 2;
    }
    size_t lastSep = std::string::npos;
    for (size_t i = pos; i < path.size(); ++i)
        if (isSeparator(path[i])) lastSep = i;
    if (lastSep != std::string::npos) {
        parts.dir = path.substr(pos, lastSep + 1 - pos).substr(0, kComponentMax);
        pos = lastSep + 1;
    }
    std::string last = path.substr(pos);
    size_t dot = last.rfind('.');
    if (dot != std::string::npos) {
        parts.name = last.substr(0, dot).substr(0, kComponentMax);
        parts.ext = last.substr(dot).substr(0, kComponentMax);
    } else {
        parts.name = last.substr(0, kComponentMax);
    }
    return parts;
}

bool hasWildcards(const std::string& text) {
    return text.find_first_of("*?") != std::string::npos;
}

std::string cutExtension(const std::string& path) {
    for (size_t i = path.size(); i-- > 0;) {
        char c = path[i];
        if (c == '.') return path.substr(0, i);
        if (c == ':' || c == '\\') break;
    }
    return path;
}

bool advanceTempCounter(std::string& name) {
    constexpr size_t kDigits = 7;
    std::string next = name;
    for (size_t i = kDigits; i-- > 0;) {
        if (next[i] < 'Z') {
            ++next[i];
            name = next;
            return true;
        }
        next[i] = 'A';  // carry into the character before
    }
    return false;
}

UncParts splitUnc(const std::string& text) {
    UncParts parts;
    if (text.size() < 2 || text[0] != '\\' || text[1] != '\\') return parts;
    std::string server = cutPath(text.substr(2));
    size_t slash = server.find('\\');
    if (slash != std::string::npos) {
        parts.path = server.substr(slash);
        server.resize(slash);
    }
    parts.server = server;
    return parts;
}

std::string backslashesToSlashes(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        if (c == '\\') c = '/';
    return result;
}

std::string httpize(const std::vector<std::string>& args) {
    std::string joined;
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) joined += ' ';
        joined += args[i];
    }
    std::string ext = splitPath(joined).ext;
    bool isPage = startsWithIgnoreCase(ext, ".htm");
    bool hasScheme = !args.empty() && containsIgnoreCase(args[0], "http://");
    return (isPage || hasScheme) ? joined : "http://" + joined;
}

std::string withoutDrive(const std::string& dir) {
    size_t colon = dir.find(':');
    return colon == std::string::npos ? dir : dir.substr(colon + 1);
}

std::string driveAsElement(const std::string& dir) {
    if (dir.size() >= 3 && std::isalpha(static_cast<unsigned char>(dir[0])) && dir[1] == ':' &&
        dir[2] == '\\') {
        std::string result = dir;
        result[1] = dir[0];
        result[0] = '\\';
        return result;
    }
    return dir;
}

std::string changeDirectoryLines(const std::string& dir) {
    std::string lines;
    std::string rest = dir;
    if (rest.size() >= 2 && rest[1] == ':') {
        lines += rest[0];
        lines += ":\n";
        rest.erase(0, 2);
    }
    size_t lf = rest.find('\n');
    if (lf != std::string::npos) rest.resize(lf);
    lines += "cd \"" + rest + "\"\n";
    return lines;
}

std::string driveTwin(const std::string& cwd, const std::string& target) {
    if (cwd.empty()) return cwd;
    if (target.empty()) return std::string();  // the terminator ends the path
    std::string result = cwd;
    result[0] = target[0];
    return result;
}

std::vector<std::string> directoriesToMake(const std::string& path) {
    std::vector<std::string> dirs;
    size_t colon = path.find(':');
    if (colon == std::string::npos || colon + 1 >= path.size()) return dirs;
    for (size_t i = colon + 2; i < path.size(); ++i) {
        if (path[i] != '\\') continue;
        if (i + 1 < path.size() && path[i + 1] == '\\') {
            ++i;  // a doubled backslash is stepped over with its partner
            continue;
        }
        dirs.push_back(path.substr(0, i));
    }
    dirs.push_back(path);
    return dirs;
}

PoppedEntry popLastEntry(const std::string& content) {
    PoppedEntry entry;
    size_t pos = 0;
    size_t lastStart = 0;
    bool any = false;
    while (pos < content.size()) {
        size_t end = pos;
        while (end < content.size() && end - pos < kPopLineMax) {
            if (content[end++] == '\n') break;
        }
        lastStart = pos;
        any = true;
        pos = end;
    }
    if (any) {
        entry.rest = content.substr(0, lastStart);
        entry.last = content.substr(lastStart);
    }
    return entry;
}

}  // namespace rovik
