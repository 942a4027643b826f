// -getch and -g: keys and edited lines from the console.
#include "input.h"

#include <conio.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "console.h"
#include "lineinput.h"
#include "operations.h"
#include "text.h"
#include "textops.h"

namespace rovik {

EditorConsole::EditorConsole() {
    in_ = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
    out_ = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
    DWORD mode;
    if (in_ != INVALID_HANDLE_VALUE && GetConsoleMode(in_, &mode)) {
        savedMode_ = mode;
        modeSaved_ = true;
        // Raw keys: no line editing, no echo, and Ctrl+C as the key code 3.
        SetConsoleMode(in_, mode & ~(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT));
    }
    // Whatever went to standard error (the prompt) must be on the screen
    // before the editor writes beside it.
    std::fflush(stderr);
}

EditorConsole::~EditorConsole() {
    if (modeSaved_) SetConsoleMode(in_, savedMode_);
    if (in_ != INVALID_HANDLE_VALUE) CloseHandle(in_);
    if (out_ != INVALID_HANDLE_VALUE) CloseHandle(out_);
}

bool EditorConsole::canRead() const { return modeSaved_; }

std::optional<EditorKey> EditorConsole::readKey() {
    if (!canRead()) return std::nullopt;
    int c = _getch();
    if (c < 0 || c == 0xFFFF) return std::nullopt;
    if (c == 0 || c == 0xE0) {
        int second = _getch();
        if (second < 0 || second == 0xFFFF) return std::nullopt;
        return EditorKey::extended(second);
    }
    return EditorKey::plain(c);
}

int EditorConsole::cursorColumn() const {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (out_ == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(out_, &info)) return 1;
    return info.dwCursorPosition.X + 1;
}

void EditorConsole::write(const std::string& text) {
    if (text.empty() || out_ == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteConsoleA(out_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::optional<std::string> editLine(EditorConsole& console, const std::string& start, int maxLength) {
    LineEditor editor(start, maxLength);
    console.write(editor.takeOutput());
    while (editor.state() == LineEditor::State::Editing) {
        std::optional<EditorKey> key = console.readKey();
        if (!key) return std::nullopt;  // no keyboard: nothing can be confirmed
        editor.press(*key);
        console.write(editor.takeOutput());
    }
    if (editor.state() == LineEditor::State::Cancelled) return std::nullopt;
    return editor.text();
}

namespace {

constexpr int cancelledExit = 18;

// The first line of a file (text mode, so without its CR LF); none when the
// file does not open.
std::optional<std::string> readFirstLine(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) return std::nullopt;
    std::string line;
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '\n') line += static_cast<char>(c);
    std::fclose(f);
    return line;
}

}  // namespace

int opGetch(Run& run, const OpCall&) {
    int key = readKey();
    if (key < 0) return cancelledExit;  // no keyboard: no key to report
    FILE* out = run.outputTarget();
    std::fprintf(out, "set g~ch=%c\n", key);
    return 0;
}

int opGetLine(Run& run, const OpCall& call) {
    // "-g LEN NAME ..." reads from the argument after the option; "-gLEN
    // NAME ..." has the length attached and counts from the option itself,
    // so the name is offset 1 either way.
    int base;
    int length;
    if (equalsIgnoreCase(call.text, "g")) {
        base = call.pos + 1;
        std::optional<std::string> len = run.fetchArg(base, 0);
        if (!len) run.notEnoughArguments("-g");
        length = parseInt(*len);
    } else {
        base = call.pos;
        length = parseInt(call.attached());
    }
    length = capFieldLength(length);
    std::optional<std::string> nameArg = run.fetchArg(base, 1);
    if (!nameArg) run.notEnoughArguments("-g");
    const std::string name = *nameArg;

    std::vector<std::string> words;
    for (int k = 2;; ++k) {
        std::optional<std::string> word = run.fetchArg(base, k);
        // An argument file answers every line number; its first empty
        // value ends the words.
        if (!word || (word->empty() && run.settings.argFile)) break;
        words.push_back(*word);
    }

    EditorConsole console;
    PromptWords prompt = splitPromptWords(words);
    std::fputs(prompt.shown.c_str(), run.err());
    std::fflush(run.err());

    std::string start;
    std::optional<std::string> sourceFile;
    if (prompt.defaultSource && sourceIsVariable(*prompt.defaultSource)) {
        if (const char* value = std::getenv(name.c_str())) start = startFromVariable(value, length);
    } else if (prompt.defaultSource) {
        sourceFile = prompt.defaultSource;
        if (std::optional<std::string> line = readFirstLine(*sourceFile)) start = startFromFile(*line, length);
    }

    length = widenToLastColumn(length, console.cursorColumn());
    std::optional<std::string> text = editLine(console, start, length);
    if (!text) return cancelledExit;
    console.write("\r\n");

    const std::string value = run.quotify(*text);
    run.emitSet(name, value);
    if (sourceFile) {
        if (FILE* f = std::fopen(sourceFile->c_str(), "w")) {
            std::fprintf(f, "%s\n", value.c_str());
            std::fclose(f);
        }
    }
    return 0;
}

}  // namespace rovik
