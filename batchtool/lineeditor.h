// The console line editor behind -g, as a state machine: keys go in; the
// text, the cursor and the characters to show on the console come out.
// Console output is expressed as plain characters: a backspace ('\b') moves
// the console cursor one letter left without erasing, a bell ('\a') beeps
// for a refused key, any other letter is shown at the cursor and moves it
// right. The text's own control characters, which only a start text can
// bring, are shown as "?".
//
// The text is made of letters: one byte each, except in a code page whose
// letters take several bytes (UTF-8, the double-byte ones), where the field
// length, the cursor and every move count whole letters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rovik {

// The number of bytes of the first letter of `rest` (at least 1; `rest` is
// not empty).
using LetterLength = size_t (*)(std::string_view rest);
// One byte, one letter.
size_t singleByteLetter(std::string_view rest);
// A UTF-8 sequence is one letter; a byte that starts none is a letter of
// its own.
size_t utf8Letter(std::string_view rest);
// The text cut after `count` letters.
std::string firstLetters(const std::string& text, size_t count, LetterLength letterLength);

// One key as the console delivers it: a plain code, or a special key
// (arrows, Home, End, Insert, Delete, function keys) with its second code.
// A letter of several bytes carries them (its code is the first); a key
// whose letter the code page lacks is refused.
struct EditorKey {
    int code = 0;
    bool special = false;
    std::string bytes;
    bool refused = false;

    static EditorKey plain(int c) { return {c, false, {}, false}; }
    static EditorKey extended(int c) { return {c, true, {}, false}; }
    static EditorKey letter(const std::string& b) {
        return {static_cast<unsigned char>(b.empty() ? 0 : b[0]), false, b, false};
    }
    static EditorKey refusedLetter() { return {0, false, {}, true}; }
};

// Codes of the special keys the editor knows.
namespace keycode {
constexpr int Home = 71, Left = 75, Right = 77, End = 79, Insert = 82, Delete = 83;
constexpr int CtrlC = 3, CtrlD = 4, CtrlG = 7, Backspace = 8, LineFeed = 10, Enter = 13;
constexpr int CtrlQ = 17, CtrlS = 19, CtrlV = 22, Esc = 27;
}  // namespace keycode

class LineEditor {
  public:
    enum class State { Editing, Accepted, Cancelled };

    // A field of at most maxLength letters (a negative length counts as
    // 0) holding the start text, cut to the field. Insert mode, cursor at
    // the end; the start text is shown (see takeOutput).
    LineEditor(const std::string& start, int maxLength, LetterLength letterLength = singleByteLetter);

    // Handles one key; keys after the end (Enter, Esc) are ignored.
    State press(EditorKey key);

    State state() const { return state_; }
    std::string text() const;
    // The cursor, in letters from the start.
    int cursor() const { return cursor_; }
    bool insertMode() const { return insert_; }
    int maxLength() const { return max_; }
    // True while a Ctrl+Q waits for its second key.
    bool prefixPending() const { return prefix_ > 0; }

    // What is to be shown on the console since the last call.
    std::string takeOutput();

  private:
    void moveLeft();
    void moveRight();
    void moveToStart();
    void moveToEnd();
    void deleteAtCursor();
    void typeLetter(const std::string& letter);
    int length() const { return static_cast<int>(text_.size()); }
    void redraw();
    State finishKey();

    std::vector<std::string> text_;  // letter by letter
    int max_;
    int cursor_ = 0;
    bool insert_ = true;
    int prefix_ = 0;
    State state_ = State::Editing;
    std::string output_;
};

}  // namespace rovik
