// Message boxes (titles, icons, buttons, Escape on a question) and the
// key-to-character translation.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "support/keys.h"
#include "support/messages.h"

using namespace vq;

namespace {

struct Shown {
    std::string text, title;
    unsigned flags = 0;
};

struct Capture {
    std::vector<Shown> shown;
    int answer = IDOK;
    Capture() {
        set_message_box_hook([this](const std::string& text, const std::string& title, unsigned f) {
            shown.push_back({text, title, f});
            return answer;
        });
    }
    ~Capture() { set_message_box_hook({}); }
};

TEST(MessageBoxes, ErrorAndInformationBoxes) {
    Capture c;
    errorf("Couldn't create %s!", {"c:\\x.bat"});
    infof("found %d", {2});
    ASSERT_EQ(c.shown.size(), 2u);
    EXPECT_EQ(c.shown[0].text, "Couldn't create c:\\x.bat!");
    EXPECT_EQ(c.shown[0].title, "Error");
    EXPECT_EQ(c.shown[0].flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_EQ(c.shown[0].flags & MB_TYPEMASK, static_cast<unsigned>(MB_OK));
    EXPECT_EQ(c.shown[1].text, "found 2");
    EXPECT_EQ(c.shown[1].title, "Information");
    EXPECT_EQ(c.shown[1].flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONINFORMATION));
}

TEST(MessageBoxes, QuestionsAreYesNoAndOnlyYesIsTrue) {
    Capture c;
    c.answer = IDYES;
    EXPECT_TRUE(yesnof("is \"%s\" it?", {"dir /w"}));
    c.answer = IDNO;
    EXPECT_FALSE(yesno("Delete?"));
    c.answer = 0;  // closed some other way
    EXPECT_FALSE(yesno("Delete?"));
    ASSERT_EQ(c.shown.size(), 3u);
    EXPECT_EQ(c.shown[0].text, "is \"dir /w\" it?");
    EXPECT_EQ(c.shown[0].title, "Confirm");
    EXPECT_EQ(c.shown[0].flags & MB_TYPEMASK, static_cast<unsigned>(MB_YESNO));
    EXPECT_EQ(c.shown[0].flags & MB_ICONMASK, static_cast<unsigned>(MB_ICONQUESTION));
}

TEST(MessageBoxes, BrokenFormatShowsTheFailureText) {
    Capture c;
    errorf("%s and %s", {"one"});
    ASSERT_EQ(c.shown.size(), 1u);
    EXPECT_EQ(c.shown[0].text.rfind("Format() error in program!\r\n", 0), 0u);
}

// A real question box, answered from another thread with real keys.
bool askAndAnswer(WORD key) {
    std::thread answerer([key] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i) {
            Sleep(10);
            box = FindWindowA("#32770", "Confirm");
        }
        if (!box) return;
        SetForegroundWindow(box);
        Sleep(50);
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = key;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
        // Should the key not arrive, close the box so that the test ends.
        for (int i = 0; i < 300 && IsWindow(box); ++i) Sleep(10);
        if (IsWindow(box)) PostMessageA(GetDlgItem(box, IDYES), BM_CLICK, 0, 0);
    });
    bool answer = yesno("Really?");
    answerer.join();
    return answer;
}

TEST(MessageBoxes, EscapeOnAQuestionMeansNo) {
    EXPECT_FALSE(askAndAnswer(VK_ESCAPE));
}

TEST(MessageBoxes, YKeyOnAQuestionMeansYes) {
    EXPECT_TRUE(askAndAnswer('Y'));
}

struct KeyboardState {
    BYTE saved[256] = {};
    KeyboardState() { GetKeyboardState(saved); }
    ~KeyboardState() { SetKeyboardState(saved); }
    void set(std::initializer_list<int> down) {
        BYTE state[256] = {};
        for (int vk : down) state[vk] = 0x80;
        SetKeyboardState(state);
    }
};

TEST(KeyChars, LettersDigitsAndShift) {
    KeyboardState keys;
    keys.set({});
    EXPECT_EQ(key_chars('A'), "a");
    EXPECT_EQ(key_chars('7'), "7");
    EXPECT_EQ(key_chars(VK_SPACE), " ");
    EXPECT_TRUE(is_char_key('A'));
    keys.set({VK_SHIFT});
    EXPECT_EQ(key_chars('A'), "A");
}

TEST(KeyChars, ControlAndFunctionKeysTypeNothing) {
    KeyboardState keys;
    keys.set({});
    EXPECT_EQ(key_chars(VK_F1), "");
    EXPECT_FALSE(is_char_key(VK_LEFT));
    EXPECT_FALSE(is_char_key(VK_SHIFT));
    EXPECT_FALSE(is_char_key(VK_HOME));
}

}  // namespace
