// rovik's path text rules over random texts. Checked: the split of a path
// into drive, directory, name and extension gives the path back when no
// part is longer than its bound; a cut extension leaves a prefix; the
// directories to make are prefixes of the path, ending with it; the pop
// file's last entry and the rest before it make up the file; the trailing
// backslash rules change at most that one character.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "pathtext.h"

namespace {

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "path text: %s: [%s]\n", what, text.c_str());
    std::abort();
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string other = in.ConsumeRandomLengthString(8);
    const std::string path = in.ConsumeRemainingBytesAsString();

    const rovik::PathParts parts = rovik::splitPath(path);
    const std::string whole = parts.drive + parts.dir + parts.name + parts.ext;
    if (path.size() <= 255 && whole != path) fail("split does not give the path back", path);
    if (parts.dir.size() > 255 || parts.name.size() > 255 || parts.ext.size() > 255)
        fail("a part is longer than its bound", path);

    if (!startsWith(path, rovik::cutExtension(path))) fail("cut extension is not a prefix", path);
    if (rovik::cutPath(path).size() > rovik::kPathMax) fail("cut path too long", path);

    const std::string added = rovik::addTrailingSlash(path);
    const std::string stripped = rovik::stripTrailingSlash(path);
    if (!startsWith(added, path) || added.size() > path.size() + 1) fail("added more than a backslash", path);
    if (!startsWith(path, stripped) || stripped.size() + 1 < path.size()) fail("stripped more", path);

    const std::vector<std::string> dirs = rovik::directoriesToMake(path);
    for (const auto& d : dirs)
        if (!startsWith(path, d)) fail("a directory to make is not a prefix", path);
    if (!dirs.empty() && dirs.back() != path) fail("the last directory to make is not the path", path);

    const rovik::PoppedEntry popped = rovik::popLastEntry(path);
    if (popped.rest + popped.last != path) fail("popped entry and rest are not the file", path);
    if (popped.last.size() > 269) fail("popped entry longer than a line piece", path);

    const rovik::UncParts unc = rovik::splitUnc(path);
    if (!unc.path.empty() && unc.path[0] != '\\') fail("network path does not start with a backslash", path);
    const std::string twin = rovik::driveTwin(path, other);
    if (!twin.empty() && twin.size() != path.size()) fail("drive twin changed the length", path);

    rovik::withoutDrive(path);
    rovik::driveAsElement(path);
    rovik::changeDirectoryLines(path);
    rovik::httpize({other, path});
    return 0;
}
