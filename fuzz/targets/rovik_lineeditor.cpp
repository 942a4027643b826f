// rovik's line editor (-g) over random key streams. A model console plays
// back everything the editor prints; after every key the console must show
// the text at the start of the field (a control character as "?") with only
// blanks behind it, its cursor must stand where the editor's cursor is, and
// that cursor must stay within the text and the field. Plain typing is
// checked against what it must do.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstdio>
#include <string>

#include "lineeditor.h"

using rovik::EditorKey;
using rovik::LineEditor;

namespace {

[[noreturn]] void fail(const char* what, const LineEditor& ed) {
    std::fprintf(stderr, "line editor: %s (text \"%s\", cursor %d, field %d)\n", what, ed.text().c_str(),
                 ed.cursor(), ed.maxLength());
    std::abort();
}

// The part of the console the field occupies: what is shown, and the
// cursor's column counted from the field's start.
struct Console {
    std::string shown;
    int column = 0;

    bool play(const std::string& printed) {
        for (char c : printed) {
            if (c == '\b') {
                if (column == 0) return false;  // would leave the field
                --column;
                continue;
            }
            if (column == static_cast<int>(shown.size()))
                shown += c;
            else
                shown[static_cast<size_t>(column)] = c;
            ++column;
        }
        return true;
    }
};

void check(LineEditor& ed, Console& console) {
    if (!console.play(ed.takeOutput())) fail("moved left of the field", ed);
    const std::string& text = ed.text();
    const int n = static_cast<int>(text.size());
    if (n > ed.maxLength()) fail("text longer than the field", ed);
    if (ed.cursor() < 0 || ed.cursor() > n) fail("cursor outside the text", ed);
    if (text.find('\0') != std::string::npos) fail("NUL in the text", ed);
    if (console.column != ed.cursor()) fail("console cursor differs from the editor's", ed);
    std::string visible = text;
    for (char& c : visible)
        if (static_cast<unsigned char>(c) < 32) c = '?';  // control characters of a start text
    if (console.shown.compare(0, visible.size(), visible) != 0) fail("console does not show the text", ed);
    if (console.shown.find_first_not_of(' ', text.size()) != std::string::npos)
        fail("console shows more than the text", ed);
    if (static_cast<int>(console.shown.size()) > ed.maxLength()) fail("console wrote past the field", ed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int field = in.ConsumeIntegralInRange(-3, 90);
    const std::string start = in.ConsumeRandomLengthString(100);
    LineEditor ed(start, field);
    Console console;
    check(ed, console);
    while (in.remaining_bytes() > 0 && ed.state() == LineEditor::State::Editing) {
        const uint8_t kind = in.ConsumeIntegral<uint8_t>();
        const int code = in.ConsumeIntegral<uint8_t>();
        const EditorKey key = kind & 1 ? EditorKey::extended(code) : EditorKey::plain(code);

        const std::string before = ed.text();
        const int cursor = ed.cursor();
        const bool plainTyping = !key.special && code >= 32 && !ed.prefixPending();
        const bool inserting = ed.insertMode();
        ed.press(key);
        check(ed, console);

        if (plainTyping) {
            std::string want = before;
            int wantCursor = cursor;
            if (inserting && static_cast<int>(before.size()) < ed.maxLength()) {
                want.insert(static_cast<size_t>(cursor), 1, static_cast<char>(code));
                ++wantCursor;
            } else if (!inserting && cursor < ed.maxLength()) {
                if (cursor == static_cast<int>(want.size()))
                    want += static_cast<char>(code);
                else
                    want[static_cast<size_t>(cursor)] = static_cast<char>(code);
                ++wantCursor;
            }
            if (ed.text() != want || ed.cursor() != wantCursor) fail("typing went wrong", ed);
        }
    }
    return 0;
}
