#include "lineeditor.h"

namespace rovik {

namespace {
// How a character of the text is shown. A control character (one a start
// text may hold, but no key types) shows as "?": printed as it is, a
// backspace would move the console cursor and a tab, CR or LF would move it
// elsewhere, and the field on the screen would no longer match the text.
std::string shown(const std::string& letter) {
    return letter.size() == 1 && static_cast<unsigned char>(letter[0]) < 32 ? "?" : letter;
}

std::string shown(const std::vector<std::string>& letters) {
    std::string out;
    for (const std::string& letter : letters) out += shown(letter);
    return out;
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
}  // namespace

size_t singleByteLetter(std::string_view) {
    return 1;
}

size_t utf8Letter(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    const size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
    if (n == 1 || rest.size() < n) return 1;
    for (size_t i = 1; i < n; ++i)
        if (!isContinuation(static_cast<unsigned char>(rest[i]))) return 1;
    return n;
}

std::string firstLetters(const std::string& text, size_t count, LetterLength letterLength) {
    size_t at = 0;
    for (size_t n = 0; n < count && at < text.size(); ++n) at += letterLength(std::string_view(text).substr(at));
    return text.substr(0, at);
}

LineEditor::LineEditor(const std::string& start, int maxLength, LetterLength letterLength)
    : max_(maxLength < 0 ? 0 : maxLength) {
    // A zero byte ends the text, as it would in the console's own buffers;
    // the field never holds more than its length, whatever the caller
    // hands in.
    const std::string_view bytes(start.data(), start.find('\0') == std::string::npos ? start.size() : start.find('\0'));
    for (size_t at = 0; at < bytes.size() && length() < max_;) {
        const size_t n = letterLength(bytes.substr(at));
        text_.emplace_back(bytes.substr(at, n));
        at += n;
    }
    cursor_ = length();
    output_ = shown(text_);
}

std::string LineEditor::text() const {
    std::string out;
    for (const std::string& letter : text_) out += letter;
    return out;
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
    if (cursor_ < length() && cursor_ < max_) {
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
    output_.append(static_cast<size_t>(max_ - length()), ' ');
    output_.append(static_cast<size_t>(max_ - at), '\b');
    cursor_ = at;
}

void LineEditor::deleteAtCursor() {
    if (cursor_ >= length()) return;
    text_.erase(text_.begin() + cursor_);
    redraw();
}

void LineEditor::typeLetter(const std::string& letter) {
    if (insert_) {
        if (length() >= max_) return;  // full field: the key is dropped
        text_.insert(text_.begin() + cursor_, letter);
        redraw();
        moveRight();
    } else {
        if (cursor_ >= max_) return;
        if (cursor_ == length())
            text_.push_back(letter);  // overwriting at the end lengthens the text
        else
            text_[static_cast<size_t>(cursor_)] = letter;
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

    if (key.refused) {
        // A letter the console's code page lacks could only be kept as
        // another letter.
        output_ += '\a';
        return finishKey();
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
            if (!key.bytes.empty())
                typeLetter(key.bytes);
            else if (key.code >= 32 && key.code <= 255)
                typeLetter(std::string(1, static_cast<char>(key.code)));
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
