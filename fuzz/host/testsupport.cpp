// The test helpers that the pure files' unit tests use, on the host:
// temporary directories and whole-file reads and writes. Paths use "/".
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "testsupport.h"

namespace testsupport {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

bool fileExists(const std::string& path) {
    return std::filesystem::is_regular_file(path);
}

TempDir::TempDir(const std::string& parent) {
    std::string pattern =
        (parent.empty() ? std::filesystem::temp_directory_path().string() : parent) + "/testsupport.XXXXXX";
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make " + pattern);
    path_ = pattern;
}

TempDir::~TempDir() {
    removeTree(path_);
}

std::string TempDir::file(const std::string& name) const {
    return path_ + "/" + name;
}

std::string TempDir::mkdir(const std::string& name) const {
    std::filesystem::create_directories(file(name));
    return file(name);
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
    writeFile(file(name), content);
    return file(name);
}

void removeTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

}  // namespace testsupport
