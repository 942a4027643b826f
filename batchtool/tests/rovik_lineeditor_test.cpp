// The line editor as a state machine: keys in, text, cursor and console
// output out.
#include "lineeditor.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

using rovik::EditorKey;
using rovik::LineEditor;
namespace key = rovik::keycode;

namespace {

EditorKey sp(int code) {
    return EditorKey::extended(code);
}
EditorKey ch(int code) {
    return EditorKey::plain(code);
}

// An editor that has shown its start text and then received keys; output()
// is what the keys printed.
struct Session {
    LineEditor ed;
    std::string printed;
    Session(const std::string& start, int n) : ed(start, n) { ed.takeOutput(); }
    Session& keys(std::initializer_list<EditorKey> ks) {
        for (EditorKey k : ks) ed.press(k);
        printed += ed.takeOutput();
        return *this;
    }
    Session& type(const std::string& s) {
        for (char c : s) ed.press(ch(static_cast<unsigned char>(c)));
        printed += ed.takeOutput();
        return *this;
    }
    std::string output() {
        std::string o;
        o.swap(printed);
        return o;
    }
};

}  // namespace

TEST(LineEditorStart, ShowsStartTextWithCursorBehindIt) {
    LineEditor ed("abc", 10);
    EXPECT_EQ(ed.takeOutput(), "abc");
    EXPECT_EQ(ed.cursor(), 3);
    EXPECT_TRUE(ed.insertMode());
    EXPECT_EQ(ed.state(), LineEditor::State::Editing);
}

TEST(LineEditorStart, StartTextIsCutToTheField) {
    LineEditor ed("abcdef", 4);
    EXPECT_EQ(ed.text(), "abcd");
    EXPECT_EQ(ed.takeOutput(), "abcd");
    LineEditor none("abc", -3);
    EXPECT_EQ(none.text(), "");
    EXPECT_EQ(none.maxLength(), 0);
}

TEST(LineEditorStart, ControlCharactersOfTheStartTextShowAsQuestionMarks) {
    // Printed as they are, the backspace would move the console cursor and
    // the tab widen the field: the screen would no longer match the text.
    LineEditor ed("a\bb\tc", 10);
    EXPECT_EQ(ed.takeOutput(), "a?b?c");
    for (EditorKey k : {sp(key::Home), sp(key::Right), sp(key::Right)}) ed.press(k);
    EXPECT_EQ(ed.takeOutput(), "\b\b\b\b\ba?");
    ed.press(sp(key::Delete));
    EXPECT_EQ(ed.takeOutput(), "\b\ba??c      \b\b\b\b\b\b\b\b");
    EXPECT_EQ(ed.text(), "a\b\tc");  // the text keeps them
}

TEST(LineEditorMoves, HomeEndLeftRightPrintBackspacesAndCharacters) {
    Session s("abc", 10);
    s.keys({sp(key::Home)});
    EXPECT_EQ(s.ed.cursor(), 0);
    EXPECT_EQ(s.output(), "\b\b\b");
    s.keys({sp(key::Right)});
    EXPECT_EQ(s.ed.cursor(), 1);
    EXPECT_EQ(s.output(), "a");
    s.keys({sp(key::End)});
    EXPECT_EQ(s.ed.cursor(), 3);
    EXPECT_EQ(s.output(), "bc");
    s.keys({sp(key::Left)});
    EXPECT_EQ(s.ed.cursor(), 2);
    EXPECT_EQ(s.output(), "\b");
}

TEST(LineEditorMoves, StopAtBothEndsWithoutOutput) {
    Session s("ab", 10);
    s.keys({sp(key::Right), ch(key::CtrlD), sp(key::End)});
    EXPECT_EQ(s.ed.cursor(), 2);
    EXPECT_EQ(s.output(), "");
    s.keys({sp(key::Home), sp(key::Left), ch(key::CtrlS)});
    EXPECT_EQ(s.ed.cursor(), 0);
    EXPECT_EQ(s.output(), "\b\b");
}

TEST(LineEditorMoves, CtrlDAndCtrlSMoveLikeRightAndLeft) {
    Session s("abc", 10);
    s.keys({ch(key::CtrlS), ch(key::CtrlS)});
    EXPECT_EQ(s.ed.cursor(), 1);
    s.keys({ch(key::CtrlD)});
    EXPECT_EQ(s.ed.cursor(), 2);
    EXPECT_EQ(s.output(), "\b\bb");
}

TEST(LineEditorMoves, UnknownSpecialAndControlKeysAreIgnored) {
    Session s("abc", 10);
    // F1 (59), PgUp (73), Ctrl+A, Tab, Ctrl+Z
    s.keys({sp(59), sp(73), ch(1), ch(9), ch(26)});
    EXPECT_EQ(s.ed.text(), "abc");
    EXPECT_EQ(s.ed.cursor(), 3);
    EXPECT_EQ(s.output(), "");
    EXPECT_EQ(s.ed.state(), LineEditor::State::Editing);
}

TEST(LineEditorInsert, TypingInsertsAndRedrawsTheField) {
    Session s("ac", 5);
    s.keys({sp(key::Left)});
    s.output();
    s.type("b");
    EXPECT_EQ(s.ed.text(), "abc");
    EXPECT_EQ(s.ed.cursor(), 2);
    // back to the start, text, blanks to the end of the field, back to the
    // cursor, then the move right over the new character
    EXPECT_EQ(s.output(),
              "\babc  \b\b\b\b"
              "b");
}

TEST(LineEditorInsert, IntoEmptyFieldAndAtTheEnd) {
    Session s("", 3);
    s.type("xy");
    EXPECT_EQ(s.ed.text(), "xy");
    EXPECT_EQ(s.ed.cursor(), 2);
}

TEST(LineEditorInsert, FullFieldIgnoresTypingEverywhere) {
    Session s("abcd", 4);
    s.type("x");
    EXPECT_EQ(s.ed.text(), "abcd");
    EXPECT_EQ(s.ed.cursor(), 4);
    s.keys({sp(key::Home)});
    s.output();
    s.type("yz");
    EXPECT_EQ(s.ed.text(), "abcd");
    EXPECT_EQ(s.ed.cursor(), 0);
    EXPECT_EQ(s.output(), "");
}

TEST(LineEditorInsert, HighCharactersAreTyped) {
    Session s("", 5);
    s.keys({ch(0x84), ch(' ')});
    EXPECT_EQ(s.ed.text(), std::string("\x84 "));
}

TEST(LineEditorOverwrite, InsertAndCtrlVSwitchTheMode) {
    Session s("abc", 10);
    s.keys({sp(key::Insert)});
    EXPECT_FALSE(s.ed.insertMode());
    s.keys({ch(key::CtrlV)});
    EXPECT_TRUE(s.ed.insertMode());
    s.keys({ch(key::CtrlV)});
    EXPECT_FALSE(s.ed.insertMode());
}

TEST(LineEditorOverwrite, ReplacesUnderTheCursorWithoutRedraw) {
    Session s("abc", 10);
    s.keys({sp(key::Insert), sp(key::Home)});
    s.output();
    s.type("XY");
    EXPECT_EQ(s.ed.text(), "XYc");
    EXPECT_EQ(s.ed.cursor(), 2);
    EXPECT_EQ(s.output(), "XY");
}

TEST(LineEditorOverwrite, AtTheEndTheTextGrowsUpToTheField) {
    Session s("ab", 4);
    s.keys({sp(key::Insert)});
    s.type("cde");
    EXPECT_EQ(s.ed.text(), "abcd");
    EXPECT_EQ(s.ed.cursor(), 4);
}

TEST(LineEditorDelete, DeleteAndCtrlGRemoveUnderTheCursor) {
    Session s("abcd", 6);
    s.keys({sp(key::Home), sp(key::Right)});
    s.output();
    s.keys({sp(key::Delete)});
    EXPECT_EQ(s.ed.text(), "acd");
    EXPECT_EQ(s.ed.cursor(), 1);
    EXPECT_EQ(s.output(), "\bacd   \b\b\b\b\b");
    s.keys({ch(key::CtrlG)});
    EXPECT_EQ(s.ed.text(), "ad");
    EXPECT_EQ(s.ed.cursor(), 1);
}

TEST(LineEditorDelete, DeleteAtTheEndChangesNothing) {
    Session s("ab", 6);
    s.keys({sp(key::Delete), ch(key::CtrlG)});
    EXPECT_EQ(s.ed.text(), "ab");
    EXPECT_EQ(s.output(), "");
}

TEST(LineEditorDelete, BackspaceRemovesBeforeTheCursor) {
    Session s("abc", 5);
    s.keys({ch(key::Backspace)});
    EXPECT_EQ(s.ed.text(), "ab");
    EXPECT_EQ(s.ed.cursor(), 2);
    s.keys({sp(key::Home), sp(key::Right), ch(key::Backspace)});
    EXPECT_EQ(s.ed.text(), "b");
    EXPECT_EQ(s.ed.cursor(), 0);
}

TEST(LineEditorDelete, BackspaceAtTheStartDoesNothing) {
    Session s("abc", 5);
    s.keys({sp(key::Home)});
    s.output();
    s.keys({ch(key::Backspace)});
    EXPECT_EQ(s.ed.text(), "abc");
    EXPECT_EQ(s.ed.cursor(), 0);
    EXPECT_EQ(s.output(), "");
    Session empty("", 5);
    empty.keys({ch(key::Backspace)});
    EXPECT_EQ(empty.ed.text(), "");
}

TEST(LineEditorEnd, EnterAndLineFeedAcceptTheText) {
    Session s("ab", 5);
    EXPECT_EQ(s.ed.press(ch(key::Enter)), LineEditor::State::Accepted);
    EXPECT_EQ(s.ed.text(), "ab");
    Session lf("", 5);
    lf.type("hi");
    EXPECT_EQ(lf.ed.press(ch(key::LineFeed)), LineEditor::State::Accepted);
    EXPECT_EQ(lf.ed.text(), "hi");
}

TEST(LineEditorEnd, EscAndCtrlCCancel) {
    LineEditor esc("ab", 5);
    EXPECT_EQ(esc.press(ch(key::Esc)), LineEditor::State::Cancelled);
    LineEditor ctrlc("ab", 5);
    EXPECT_EQ(ctrlc.press(ch(key::CtrlC)), LineEditor::State::Cancelled);
}

TEST(LineEditorEnd, KeysAfterTheEndAreIgnored) {
    Session s("ab", 5);
    s.keys({ch(key::Enter)});
    s.type("cd");
    s.keys({ch(key::Esc)});
    EXPECT_EQ(s.ed.state(), LineEditor::State::Accepted);
    EXPECT_EQ(s.ed.text(), "ab");
}

TEST(LineEditorCtrlQ, WithDOrSJumpsToEndOrStart) {
    for (int d : {'D', 'd'}) {
        Session s("abcd", 10);
        s.keys({sp(key::Home), ch(key::CtrlQ), ch(d)});
        EXPECT_EQ(s.ed.cursor(), 4);
        EXPECT_EQ(s.ed.text(), "abcd");
        EXPECT_FALSE(s.ed.prefixPending());
    }
    for (int c : {'S', 's'}) {
        Session s("abcd", 10);
        s.keys({ch(key::CtrlQ), ch(c)});
        EXPECT_EQ(s.ed.cursor(), 0);
        EXPECT_EQ(s.ed.text(), "abcd");
    }
}

TEST(LineEditorCtrlQ, TurnsTheSingleMovesIntoJumps) {
    Session s("abcdef", 10);
    s.keys({sp(key::Left), sp(key::Left), ch(key::CtrlQ), sp(key::Left)});
    EXPECT_EQ(s.ed.cursor(), 0);
    s.keys({ch(key::CtrlQ), sp(key::Right)});
    EXPECT_EQ(s.ed.cursor(), 6);
    s.keys({ch(key::CtrlQ), ch(key::CtrlS)});
    EXPECT_EQ(s.ed.cursor(), 0);
    s.keys({ch(key::CtrlQ), ch(key::CtrlD)});
    EXPECT_EQ(s.ed.cursor(), 6);
    EXPECT_FALSE(s.ed.prefixPending());
}

TEST(LineEditorCtrlQ, PendsForOneKeyOnly) {
    Session s("abcdef", 10);
    s.keys({ch(key::CtrlQ)});
    EXPECT_TRUE(s.ed.prefixPending());
    s.keys({sp(59)});  // an ignored key uses the prefix up
    EXPECT_FALSE(s.ed.prefixPending());
    s.keys({sp(key::Left)});
    EXPECT_EQ(s.ed.cursor(), 5);
    // and a D that is not right after Ctrl+Q is typed
    s.keys({ch(key::CtrlQ), ch(1), ch('D')});
    EXPECT_EQ(s.ed.text(), "abcdeDf");
}

TEST(LineEditorCtrlQ, TypingAfterItInsertsNormally) {
    Session s("abc", 10);
    s.keys({sp(key::Left), ch(key::CtrlQ), ch('x')});
    EXPECT_EQ(s.ed.text(), "abxc");
    EXPECT_EQ(s.ed.cursor(), 3);
    EXPECT_FALSE(s.ed.prefixPending());
    Session atStart("abc", 10);
    atStart.keys({sp(key::Home), ch(key::CtrlQ), ch('x')});
    EXPECT_EQ(atStart.ed.text(), "xabc");
    EXPECT_EQ(atStart.ed.cursor(), 1);
}

TEST(LineEditorCtrlQ, BackspaceAfterItJumpsToTheStartAndDeletesThere) {
    Session s("abc", 10);
    s.keys({ch(key::CtrlQ), ch(key::Backspace)});
    EXPECT_EQ(s.ed.text(), "bc");
    EXPECT_EQ(s.ed.cursor(), 0);
}

TEST(LineEditorCtrlQ, EnterAndEscStillEndTheEdit) {
    Session s("abc", 10);
    s.keys({ch(key::CtrlQ), ch(key::Enter)});
    EXPECT_EQ(s.ed.state(), LineEditor::State::Accepted);
    Session c("abc", 10);
    c.keys({ch(key::CtrlQ), ch(key::Esc)});
    EXPECT_EQ(c.ed.state(), LineEditor::State::Cancelled);
}

TEST(LineEditorSequences, EditingInTheMiddleOfALine) {
    Session s("hello world", 20);
    // go to the start, over "hello", delete the blank, type "_"
    s.keys({sp(key::Home)});
    for (int i = 0; i < 5; ++i) s.keys({sp(key::Right)});
    s.keys({sp(key::Delete)});
    s.type("_");
    EXPECT_EQ(s.ed.text(), "hello_world");
    s.keys({sp(key::End), ch(key::Backspace), ch(key::Backspace)});
    s.type("LD!");
    EXPECT_EQ(s.ed.text(), "hello_worLD!");
    EXPECT_EQ(s.ed.cursor(), 12);
}

TEST(LineEditorSequences, ShownFieldMatchesTheTextAfterEveryKey) {
    // Replays the output on a model screen and compares it with the text.
    LineEditor ed("start", 12);
    std::string screen(20, ' ');
    int col = 0;
    auto apply = [&](const std::string& out) {
        for (char c : out) {
            if (c == '\b') {
                if (col > 0) --col;
            } else {
                screen[static_cast<size_t>(col++)] = c;
            }
        }
    };
    apply(ed.takeOutput());
    const EditorKey keys[] = {
        sp(key::Home),  ch('>'),      sp(key::Right),     sp(key::Delete), ch(key::CtrlV), ch('A'),
        ch('R'),        sp(key::End), ch(key::Backspace), ch(key::CtrlV),  sp(key::Left),  ch('!'),
        ch(key::CtrlQ), ch('s'),      ch(key::CtrlG),     ch(key::CtrlQ),  ch('d'),        ch('#')};
    for (EditorKey k : keys) {
        ed.press(k);
        apply(ed.takeOutput());
        std::string shown = screen.substr(0, 12);
        std::string expected = ed.text() + std::string(12 - ed.text().size(), ' ');
        EXPECT_EQ(shown, expected) << "after key " << k.code;
        EXPECT_EQ(col, ed.cursor()) << "after key " << k.code;
    }
    EXPECT_EQ(ed.text(), "sA!R#");
}

// Under UTF-8 a letter of several bytes is one letter: the field, the
// cursor, Backspace and the moves count it once; a start text is cut after
// whole letters.  A refused key rings the bell and changes nothing.
TEST(LineEditorLetters, LettersOfSeveralBytesCountOnceARefusedKeyRings) {
    const std::string e = "\xC3\xA9", kan = "\xE6\xBC\xA2", grin = "\xF0\x9F\x98\x80";
    LineEditor ed("caf" + e + "x", 6, rovik::utf8Letter);
    EXPECT_EQ(ed.takeOutput(), "caf" + e + "x");
    EXPECT_EQ(ed.cursor(), 5);
    ed.press(ch(key::Backspace));
    ed.press(EditorKey::letter(kan));
    ed.press(EditorKey::letter(grin));
    ed.press(EditorKey::letter(kan));  // the field is full: six letters
    EXPECT_EQ(ed.text(), "caf" + e + kan + grin);
    ed.takeOutput();
    ed.press(sp(key::Left));
    ed.press(sp(key::Left));
    EXPECT_EQ(ed.takeOutput(), "\b\b");
    ed.press(EditorKey::refusedLetter());
    EXPECT_EQ(ed.takeOutput(), "\a");
    EXPECT_EQ(ed.text(), "caf" + e + kan + grin);
    EXPECT_EQ(ed.cursor(), 4);

    EXPECT_EQ(rovik::firstLetters("a" + e + kan, 2, rovik::utf8Letter), "a" + e);
    EXPECT_EQ(rovik::firstLetters("a" + e + kan, 2, rovik::singleByteLetter), "a\xC3");
    // Bytes that begin no sequence are letters of their own.
    EXPECT_EQ(LineEditor("\xC3x\xE6\xBC", 9, rovik::utf8Letter).cursor(), 4);
}
