// batch.exe: the question of the repeat-loop script.  Called as
//   batch _ yn PROMPT WORDS...
// it shows the prompt words, reads one key and ends with exit code 0 for y
// or Y (run the command again) and 1 for any other key.  Without a console
// to read from it answers 1 at once, so an unattended loop ends.
#include <windows.h>

#include <conio.h>

#include <cstdio>
#include <string>
#include <vector>

#include "batch/prompt.h"

namespace {

bool console_input() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// One typed character; the two-part codes of arrow and function keys give 0.
int read_key() {
    const int key = _getch();
    if (key == 0 || key == 0xE0) {
        _getch();
        return 0;
    }
    return key;
}

}  // namespace

int main(int argc, char** argv) {
    if (!console_input()) return 1;
    std::vector<std::string> words;
    for (int i = 3; i < argc; ++i) words.emplace_back(argv[i]);
    std::fputs(vq::question_text(words).c_str(), stdout);
    std::fflush(stdout);
    const int code = vq::answer_code(read_key());
    std::fputs(code == 0 ? "Y\n" : "N\n", stdout);
    return code;
}
