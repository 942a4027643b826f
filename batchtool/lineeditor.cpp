#include "lineeditor.h"

namespace rovik {

namespace {
// How a character of the text is shown. A control character (one a start
// text may hold, but no key types) shows as "?": printed as it is, a
// backspace would move the console cursor and a tab, CR or LF would move it
// elsewhere, and the field on the screen would no longer match the text.
char shown(char c) {
    return static_cast<unsigned char>(c) < 32 ? '?' : c;
}

std::string shown(const std::string& text) {
    std::string out = text;
    for (char& c : out) c = shown(c);
    return out;
}
}  // namespace

LineEditor::LineEditor(const std::string& start, int maxLength)
    : text_(start), max_(maxLength < 0 ? 0 : maxLength) {
    // The field never holds more than its length, whatever the caller hands in.
    if (static_cast<int>(text_.size()) > max_) text_.resize(static_cast<size_t>(max_));
    // A zero byte ends the text, as it would in the console's own buffers.
    size_t nul = text_.find('\0');
    if (nul != std::string::npos) text_.resize(nul);
    cursor_ = static_cast<int>(text_.size());
    output_ = shown(text_);
}

std::string LineEditor::takeOutput() {
    std::string out;
    out.swap(output_);
    return out;
}

// Left and right are the single moves everything else is made of. A pending
// Ctrl+Q turns them into jumps to the start or the end.
void LineEditor::moveLeft() {
    if (prefix_ > 0) {
        prefix_ = 0;
        moveToStart();
        return;
    }
    if (cursor_ > 0) {
        output_ += '\b';
        --cursor_;
    }
}

void LineEditor::moveRight() {
    if (prefix_ > 0) {
        prefix_ = 0;
        moveToEnd();
        return;
    }
    if (cursor_ < static_cast<int>(text_.size()) && cursor_ < max_) {
        output_ += shown(text_[static_cast<size_t>(cursor_)]);
        ++cursor_;
    }
}

void LineEditor::moveToStart() {
    while (cursor_ > 0) moveLeft();
}

void LineEditor::moveToEnd() {
    int before;
    do {
        before = cursor_;
        moveRight();
    } while (cursor_ != before);
}

// After a change the field is shown again from its start: the text, blanks
// over the rest of the field (wiping what a deletion left behind), then
// back to the cursor. Going to the start uses the single moves, so a
// pending Ctrl+Q is used up here.
void LineEditor::redraw() {
    int at = cursor_;
    moveToStart();
    prefix_ = 0;
    output_ += shown(text_);
    output_.append(static_cast<size_t>(max_) - text_.size(), ' ');
    output_.append(static_cast<size_t>(max_ - at), '\b');
    cursor_ = at;
}

void LineEditor::deleteAtCursor() {
    if (cursor_ >= static_cast<int>(text_.size())) return;
    text_.erase(static_cast<size_t>(cursor_), 1);
    redraw();
}

void LineEditor::typeChar(char c) {
    if (insert_) {
        if (static_cast<int>(text_.size()) >= max_) return;  // full field: the key is dropped
        text_.insert(static_cast<size_t>(cursor_), 1, c);
        redraw();
        moveRight();
    } else {
        if (cursor_ >= max_) return;
        if (cursor_ == static_cast<int>(text_.size()))
            text_ += c;  // overwriting at the end lengthens the text
        else
            text_[static_cast<size_t>(cursor_)] = c;
        moveRight();
    }
}

LineEditor::State LineEditor::press(EditorKey key) {
    if (state_ != State::Editing) return state_;
    // A Ctrl+Q stays pending for exactly the one key after it.
    if (prefix_ > 0) --prefix_;

    if (prefix_ > 0 && !key.special) {
        if (key.code == 'D' || key.code == 'd') {
            moveToEnd();
            prefix_ = 0;
            return state_;
        }
        if (key.code == 'S' || key.code == 's') {
            moveToStart();
            prefix_ = 0;
            return state_;
        }
    }

    if (key.special) {
        switch (key.code) {
            case keycode::Home:
                moveToStart();
                break;
            case keycode::Left:
                moveLeft();
                break;
            case keycode::Right:
                moveRight();
                break;
            case keycode::End:
                moveToEnd();
                break;
            case keycode::Insert:
                insert_ = !insert_;
                break;
            case keycode::Delete:
                deleteAtCursor();
                break;
            default:
                break;
        }
        return finishKey();
    }

    switch (key.code) {
        case keycode::CtrlC:
        case keycode::Esc:
            state_ = State::Cancelled;
            break;
        case keycode::CtrlD:
            moveRight();
            break;
        case keycode::CtrlG:
            deleteAtCursor();
            break;
        case keycode::Backspace:
            if (cursor_ > 0) {
                moveLeft();
                deleteAtCursor();
            }
            break;
        case keycode::LineFeed:
        case keycode::Enter:
            state_ = State::Accepted;
            break;
        case keycode::CtrlQ:
            prefix_ = 2;
            break;
        case keycode::CtrlS:
            moveLeft();
            break;
        case keycode::CtrlV:
            insert_ = !insert_;
            break;
        default:
            if (key.code >= 32 && key.code <= 255) typeChar(static_cast<char>(key.code));
            break;
    }
    return finishKey();
}

// A prefix that this key did not use is gone now; one set by this key
// (Ctrl+Q itself) waits for the next.
LineEditor::State LineEditor::finishKey() {
    if (prefix_ == 1) prefix_ = 0;
    return state_;
}

}  // namespace rovik
