// The console side of -g: the line editor driven by real keys.
#pragma once

#include <optional>
#include <string>

#include "lineeditor.h"

namespace rovik {

// The console made ready for the line editor while the object lives: keys
// are read one at a time without echo and Ctrl+C arrives as a key instead
// of ending the program; the editor's output goes straight to the console
// screen, whatever standard output and error are redirected to. The
// previous input mode comes back on destruction.
class EditorConsole {
  public:
    EditorConsole();
    ~EditorConsole();
    EditorConsole(const EditorConsole&) = delete;
    EditorConsole& operator=(const EditorConsole&) = delete;

    // True when there is a console keyboard to read from.
    bool canRead() const;
    // The next key pressed; special keys (those without a character) come
    // with their scan code. None when no key can be read.
    std::optional<EditorKey> readKey();
    // The cursor's column on the screen, counted from 1 (1 without a screen).
    int cursorColumn() const;
    void write(const std::string& text);

  private:
    void moveBack(int columns);

    void* in_;
    void* out_;
    unsigned long savedMode_ = 0;
    bool modeSaved_ = false;
    bool ctrlIgnored_ = false;
    EditorKey repeated_;
    int repeat_ = 0;
    wchar_t highSurrogate_ = 0;  // the first half of a letter, until the second comes
};

// Runs the editor on the console: the edited text, or none when cancelled
// (or when the console cannot be read).
std::optional<std::string> editLine(EditorConsole& console, const std::string& start, int maxLength);

}  // namespace rovik
