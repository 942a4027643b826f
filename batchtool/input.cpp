// -getch and -g: keys and edited lines from the console.
#include "input.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "codepage.h"
#include "lineinput.h"
#include "operations.h"
#include "textops.h"

namespace rovik {

EditorConsole::EditorConsole() {
    in_ = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, 0, nullptr);
    out_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
    DWORD mode;
    if (in_ != INVALID_HANDLE_VALUE && GetConsoleMode(in_, &mode)) {
        savedMode_ = mode;
        modeSaved_ = true;
        // Raw keys: no line editing, no echo, and Ctrl+C as the key code 3.
        SetConsoleMode(in_, mode & ~(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT | ENABLE_PROCESSED_INPUT));
        // A console that still turns Ctrl+C into a break must not end the
        // run as if it had succeeded: ignore the break while reading.
        SetConsoleCtrlHandler(nullptr, TRUE);
        ctrlIgnored_ = true;
    }
    // Whatever went to standard error (the prompt) must be on the screen
    // before the editor writes beside it.
    std::fflush(stderr);
}

EditorConsole::~EditorConsole() {
    if (modeSaved_) SetConsoleMode(in_, savedMode_);
    if (ctrlIgnored_) SetConsoleCtrlHandler(nullptr, FALSE);
    if (in_ != INVALID_HANDLE_VALUE) CloseHandle(in_);
    if (out_ != INVALID_HANDLE_VALUE) CloseHandle(out_);
}

bool EditorConsole::canRead() const {
    return modeSaved_;
}

namespace {

// The second code a special key is announced with: its keyboard scan code.
int specialCode(WORD virtualKey) {
    switch (virtualKey) {
        case VK_HOME:
            return 71;
        case VK_UP:
            return 72;
        case VK_PRIOR:
            return 73;
        case VK_LEFT:
            return 75;
        case VK_RIGHT:
            return 77;
        case VK_END:
            return 79;
        case VK_DOWN:
            return 80;
        case VK_NEXT:
            return 81;
        case VK_INSERT:
            return 82;
        case VK_DELETE:
            return 83;
        default:
            return 0;
    }
}

bool isModifierKey(WORD virtualKey) {
    switch (virtualKey) {
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_CAPITAL:
        case VK_NUMLOCK:
        case VK_SCROLL:
        case VK_LSHIFT:
        case VK_RSHIFT:
        case VK_LCONTROL:
        case VK_RCONTROL:
        case VK_LMENU:
        case VK_RMENU:
        case VK_LWIN:
        case VK_RWIN:
        case 0:
            return true;
        default:
            return false;
    }
}

}  // namespace

// Keys are taken from the console's input records: a key with a character
// is that character, a key without one is special (arrows and the like,
// function keys). Esc counts as its character 27 even where a console
// delivers it without one.
std::optional<EditorKey> EditorConsole::readKey() {
    if (!canRead()) return std::nullopt;
    if (repeat_ > 0) {
        --repeat_;
        return repeated_;
    }
    for (;;) {
        INPUT_RECORD record;
        DWORD count = 0;
        if (!ReadConsoleInputW(in_, &record, 1, &count)) return std::nullopt;
        if (count == 0 || record.EventType != KEY_EVENT) continue;
        const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
        if (!key.bKeyDown) continue;
        EditorKey result;
        const wchar_t typed = key.uChar.UnicodeChar;
        if (typed >= 0xD800 && typed <= 0xDBFF) {
            // The first half of a letter beyond the 16-bit range: the
            // second half follows as a key of its own.
            highSurrogate_ = typed;
            continue;
        }
        if (typed != 0) {
            // The letter in the console code page: one byte, or several
            // where the code page has letters of several bytes. A letter
            // the code page lacks cannot be handed on: the key is refused.
            std::wstring letter(1, typed);
            if (typed >= 0xDC00 && typed <= 0xDFFF && highSurrogate_ != 0) letter.insert(0, 1, highSurrogate_);
            highSurrogate_ = 0;
            std::optional<std::string> c = fromWideExact(letter);
            if (!c || c->empty())
                result = EditorKey::refusedLetter();
            else if (c->size() == 1)
                result = EditorKey::plain(static_cast<unsigned char>((*c)[0]));
            else
                result = EditorKey::letter(*c);
        } else if (key.wVirtualKeyCode == VK_ESCAPE) {
            result = EditorKey::plain(27);
        } else if (int code = specialCode(key.wVirtualKeyCode)) {
            result = EditorKey::extended(code);
        } else if (!isModifierKey(key.wVirtualKeyCode) && key.wVirtualScanCode != 0) {
            result = EditorKey::extended(key.wVirtualScanCode);
        } else {
            continue;
        }
        if (key.wRepeatCount > 1) {
            repeated_ = result;
            repeat_ = key.wRepeatCount - 1;
        }
        return result;
    }
}

int EditorConsole::cursorColumn() const {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (out_ == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(out_, &info)) return 1;
    return info.dwCursorPosition.X + 1;
}

// Characters are written as they are; backspaces become cursor moves, so
// that a field longer than the rest of the screen line can be walked back
// across the line break (a console backspace stops at the left edge). A
// bell is a beep of the system's (a bell character on the screen may be
// swallowed by the console).
void EditorConsole::write(const std::string& text) {
    if (out_ == INVALID_HANDLE_VALUE) return;
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        if (text[i] == '\a') {
            Beep(800, 150);
            ++j;
        } else if (text[i] != '\b') {
            while (j < text.size() && text[j] != '\b' && text[j] != '\a') ++j;
            DWORD written;
            const std::wstring wide = toWide(text.substr(i, j - i));
            WriteConsoleW(out_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        } else {
            while (j < text.size() && text[j] == '\b') ++j;
            moveBack(static_cast<int>(j - i));
        }
        i = j;
    }
}

void EditorConsole::moveBack(int columns) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(out_, &info) || info.dwSize.X <= 0) return;
    const long width = info.dwSize.X;
    long at = info.dwCursorPosition.Y * width + info.dwCursorPosition.X - columns;
    if (at < 0) at = 0;
    COORD to;
    to.X = static_cast<SHORT>(at % width);
    to.Y = static_cast<SHORT>(at / width);
    SetConsoleCursorPosition(out_, to);
}

std::optional<std::string> editLine(EditorConsole& console, const std::string& start, int maxLength) {
    LineEditor editor(start, maxLength, consoleLetter);
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

// The first line of a file (text mode, so without its CR LF); none when the
// file does not open.
std::optional<std::string> readFirstLine(const std::string& path) {
    FILE* f = openFile(path, "r");
    if (!f) return std::nullopt;
    std::string line;
    int c;
    while ((c = std::fgetc(f)) != EOF && c != '\n') line += static_cast<char>(c);
    std::fclose(f);
    return line;
}

}  // namespace

// -getch: the key's first code, so 0 for a special key; a letter of
// several bytes whole. A letter the code page lacks is passed over.
ExitCode opGetch(Run& run, const OpCall&) {
    std::optional<EditorKey> key;
    {
        EditorConsole console;
        do key = console.readKey();
        while (key && key->refused);
    }
    if (!key) return ExitCode::Cancelled;  // no keyboard: no key to report
    if (!key->bytes.empty())
        std::fprintf(run.outputTarget(), "set g~ch=%s\n", key->bytes.c_str());
    else
        std::fprintf(run.outputTarget(), "set g~ch=%c\n", key->special ? 0 : key->code);
    return ExitCode::Ok;
}

// -g LEN NAME [WORDS...], -gLEN NAME [WORDS...]: an edited line.
ExitCode opGetLine(Run& run, const OpCall& call) {
    int length = capFieldLength(parseInt(call.args[0]));
    const std::string& name = call.args[1];
    const std::vector<std::string> words(call.args.begin() + 2, call.args.end());

    EditorConsole console;
    PromptWords prompt = splitPromptWords(words);
    std::fputs(prompt.shown.c_str(), run.err());
    std::fflush(run.err());

    std::string start;
    std::optional<std::string> sourceFile;
    if (prompt.defaultSource && sourceIsVariable(*prompt.defaultSource)) {
        if (std::optional<std::string> value = environmentVariable(name))
            start = startFromVariable(*value, length, consoleLetter);
    } else if (prompt.defaultSource) {
        sourceFile = prompt.defaultSource;
        if (std::optional<std::string> line = readFirstLine(*sourceFile))
            start = startFromFile(*line, length, consoleLetter);
    }

    length = widenToLastColumn(length, console.cursorColumn());
    std::optional<std::string> text = editLine(console, start, length);
    if (!text) return ExitCode::Cancelled;
    console.write("\r\n");

    const std::string value = run.quotify(*text);
    run.emitSet(name, value);
    if (sourceFile) {
        if (FILE* f = openFile(*sourceFile, "w")) {
            std::fprintf(f, "%s\n", value.c_str());
            std::fclose(f);
        }
    }
    return ExitCode::Ok;
}

}  // namespace rovik
