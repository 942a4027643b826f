// The console line editor behind -g, as a state machine: keys go in; the
// text, the cursor and the characters to show on the console come out.
// Console output is expressed as plain characters: a backspace ('\b') moves
// the console cursor one column left without erasing, any other character
// is shown at the cursor and moves it right. The text's own control
// characters, which only a start text can bring, are shown as "?".
#pragma once

#include <string>

namespace rovik {

// One key as the console delivers it: a plain code, or a special key
// (arrows, Home, End, Insert, Delete, function keys) with its second code.
struct EditorKey {
    int code = 0;
    bool special = false;

    static EditorKey plain(int c) { return {c, false}; }
    static EditorKey extended(int c) { return {c, true}; }
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

    // A field of at most maxLength characters (a negative length counts as
    // 0) holding the start text, cut to the field. Insert mode, cursor at
    // the end; the start text is shown (see takeOutput).
    LineEditor(const std::string& start, int maxLength);

    // Handles one key; keys after the end (Enter, Esc) are ignored.
    State press(EditorKey key);

    State state() const { return state_; }
    const std::string& text() const { return text_; }
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
    void typeChar(char c);
    void redraw();
    State finishKey();

    std::string text_;
    int max_;
    int cursor_ = 0;
    bool insert_ = true;
    int prefix_ = 0;
    State state_ = State::Editing;
    std::string output_;
};

}  // namespace rovik
