// Stand-in program for the launcher's tests of scripts and child processes.
//   VQ_STUB_LOG    file that gets one line per run: the arguments joined by "|"
//   VQ_STUB_CMDLINE  file that gets one line per run: the raw command line
//   VQ_STUB_PRINT  text written to standard output
//   VQ_STUB_CODES  file of exit codes (one digit each) for runs whose first
//                  argument is "_" (the repeat loop's question), used from
//                  the front; when it is used up such runs end with 1
// Every other run ends with 0.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string read_all(const char* path) {
    std::string text;
    if (FILE* f = std::fopen(path, "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
        std::fclose(f);
    }
    return text;
}

void write_all(const char* path, const std::string& text, const char* mode) {
    if (FILE* f = std::fopen(path, mode)) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

int next_code(const char* path) {
    std::string codes = read_all(path);
    std::size_t at = codes.find_first_of("0123456789");
    if (at == std::string::npos) return 1;
    write_all(path, codes.substr(at + 1), "wb");
    return codes[at] - '0';
}

}  // namespace

int main(int argc, char** argv) {
    if (const char* log = std::getenv("VQ_STUB_LOG")) {
        std::string line;
        for (int i = 1; i < argc; ++i) {
            if (i > 1) line += '|';
            line += argv[i];
        }
        write_all(log, line + "\n", "ab");
    }
    if (const char* file = std::getenv("VQ_STUB_CMDLINE"))
        write_all(file, GetCommandLineA() + std::string("\n"), "ab");
    if (const char* text = std::getenv("VQ_STUB_PRINT")) std::fputs(text, stdout);
    const char* codes = std::getenv("VQ_STUB_CODES");
    if (argc > 1 && std::string(argv[1]) == "_") return codes ? next_code(codes) : 1;
    return 0;
}
