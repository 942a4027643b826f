// Decisions of the command box's keys, the Back position, Find's match,
// the anchoring of the form's controls and the widened window.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "main/edit_keys.h"
#include "main/find_back.h"
#include "main/form.h"
#include "main/wide_window.h"

using namespace vq;

namespace {
EditKeyAction press(int key, unsigned mods, bool is_char, EditBoxState box, bool& ctrlq) {
    return edit_key_down(key, mods, is_char, box, ctrlq);
}

const ControlDef& control(int id) {
    const auto defs = form_controls();
    const size_t n = defs.size();
    for (size_t i = 0; i < n; ++i)
        if (defs[i].id == id) return defs[i];
    throw std::runtime_error("no control " + std::to_string(id));
}
}  // namespace

TEST(EditKeys, EnterRunsAndDownGoesToTheListWhateverTheModifiers) {
    bool q = true;
    for (unsigned mods : {0u, unsigned(kModShift), unsigned(kModCtrl), unsigned(kModAlt)}) {
        EditKeyAction a = press(kVkReturn, mods, false, {0, 0, 3}, q);
        EXPECT_TRUE(a.run);
        EXPECT_EQ(a.key, 0);
        EditKeyAction d = press(kVkDown, mods, false, {0, 0, 3}, q);
        EXPECT_TRUE(d.focus_list);
        EXPECT_EQ(d.key, 0);
    }
    EXPECT_TRUE(q);  // untouched
}

TEST(EditKeys, ACharacterReplacesAWhollySelectedText) {
    bool q = false;
    EXPECT_TRUE(press('A', 0, true, {0, 1000, 6}, q).clear_text);
    EXPECT_TRUE(press('A', kModShift, true, {0, 6, 6}, q).clear_text);
    EXPECT_TRUE(press('A', 0, true, {0, 0, 0}, q).clear_text);   // empty box
    EXPECT_FALSE(press('A', 0, true, {1, 3, 6}, q).clear_text);  // partial selection
    EXPECT_FALSE(press('A', kModCtrl, true, {0, 6, 6}, q).clear_text);
    EXPECT_FALSE(press(112, 0, false, {0, 6, 6}, q).clear_text);
    EXPECT_EQ(press('A', 0, true, {0, 6, 6}, q).key, 'A');  // the key still types
}

TEST(EditKeys, CtrlDAndCtrlSMoveTheCaretWithinTheText) {
    bool q = false;
    EditKeyAction d = press(kVkD, kModCtrl, false, {2, 3, 10}, q);
    EXPECT_EQ(d.caret, 3);
    EXPECT_EQ(d.key, 0);
    EXPECT_EQ(press(kVkD, kModCtrl, false, {10, 0, 10}, q).caret, 10);  // at the end
    EXPECT_EQ(press(kVkS, kModCtrl, false, {4, 0, 10}, q).caret, 3);
    EXPECT_EQ(press(kVkS, kModCtrl, false, {0, 0, 10}, q).caret, 0);  // at the start
    EXPECT_FALSE(q);
}

TEST(EditKeys, CtrlQMakesTheNextDOrSJump) {
    bool q = false;
    EXPECT_EQ(press(kVkQ, kModCtrl, false, {0, 0, 5}, q).key, 0);
    EXPECT_TRUE(q);
    EditKeyAction end = press(kVkD, kModCtrl, false, {0, 0, 5}, q);
    EXPECT_EQ(end.key, kVkEnd);
    EXPECT_EQ(end.caret, -1);
    EXPECT_FALSE(q);

    press(kVkQ, kModCtrl, false, {0, 0, 5}, q);
    EXPECT_EQ(press(kVkS, kModCtrl, false, {3, 0, 5}, q).key, kVkHome);
    EXPECT_FALSE(q);

    // Q twice cancels itself: D is one step again.
    press(kVkQ, kModCtrl, false, {0, 0, 5}, q);
    press(kVkQ, kModCtrl, false, {0, 0, 5}, q);
    EXPECT_FALSE(q);
    EXPECT_EQ(press(kVkD, kModCtrl, false, {0, 0, 5}, q).caret, 1);
}

TEST(EditKeys, OtherCtrlAndAltKeysPassUnchanged) {
    bool q = true;
    EditKeyAction a = press('C', kModCtrl, false, {0, 0, 5}, q);
    EXPECT_EQ(a.key, 'C');
    EXPECT_EQ(a.caret, -1);
    EXPECT_EQ(press(kVkD, kModCtrl | kModAlt, false, {0, 0, 5}, q).key, kVkD);
    EXPECT_EQ(press(kVkD, kModCtrl | kModShift, false, {0, 0, 5}, q).key, kVkD);
    EXPECT_TRUE(q);
}

TEST(BackPosition, StepsAndShiftStopsAtZero) {
    EXPECT_EQ(next_backpos(0, false), 1);
    EXPECT_EQ(next_backpos(-1, false), 0);
    EXPECT_EQ(next_backpos(7, false), 8);  // no upper bound
    EXPECT_EQ(next_backpos(3, true), 2);
    EXPECT_EQ(next_backpos(0, true), 0);
    EXPECT_EQ(next_backpos(-1, true), -1);
}

TEST(FindMatch, CaseSensitivePieceAndEmptyMatchesNothing) {
    EXPECT_TRUE(find_matches("ir", "dir /w"));
    EXPECT_TRUE(find_matches("ir", "mkdir x"));
    EXPECT_FALSE(find_matches("DIR", "dir /w"));
    EXPECT_FALSE(find_matches("", "dir /w"));
    EXPECT_TRUE(find_matches("dir /w", "dir /w"));
}

TEST(FormAnchors, ControlsFollowTheEdgesTheyAreAnchoredTo) {
    const ControlDef& edit = control(ID_Edit);
    const ControlDef& list = control(ID_ListBox);
    const ControlDef& ok = control(ID_BitBtn_OK);
    const ControlDef& find = control(ID_BitBtn_Find);
    Rect r = anchored_rect(edit, kFormClientWidth, kFormClientHeight);
    EXPECT_EQ(r.left, 4);
    EXPECT_EQ(r.width, 246);
    r = anchored_rect(edit, kFormClientWidth + 100, kFormClientHeight + 50);
    EXPECT_EQ(r.left, 4);
    EXPECT_EQ(r.top, 4);
    EXPECT_EQ(r.width, 346);
    EXPECT_EQ(r.height, 24);
    r = anchored_rect(list, kFormClientWidth + 100, kFormClientHeight + 50);
    EXPECT_EQ(r.width, 347);
    EXPECT_EQ(r.height, 345);
    r = anchored_rect(ok, kFormClientWidth + 100, kFormClientHeight + 50);
    EXPECT_EQ(r.left, 452);
    EXPECT_EQ(r.top, 352);
    EXPECT_EQ(r.width, 75);
    r = anchored_rect(find, kFormClientWidth + 100, kFormClientHeight + 50);
    EXPECT_EQ(r.left, 452);
    EXPECT_EQ(r.top, 132);
    r = anchored_rect(list, 100, 20);  // far too small: no negative sizes
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 0);
}

TEST(FormAnchors, ScrollRangeCountsVisibleControlsKeptAtTheTopOrLeft) {
    auto all = [](int) { return true; };
    // The debug check box ends lowest; nothing keeps to the left edge only,
    // so the window never needs to scroll sideways.
    EXPECT_EQ(auto_scroll_range(true, all), 255);
    EXPECT_EQ(auto_scroll_range(false, all), 0);
    auto no_box = [](int id) {
        return id != ID_CheckBox_DontSave && id != ID_Checkbox_Debug && id != ID_CheckBox_SaveJunk;
    };
    EXPECT_EQ(auto_scroll_range(true, no_box), 189);  // Favorites
    auto no_favorites = [&](int id) { return no_box(id) && id != ID_BitBtn_Favorites; };
    EXPECT_EQ(auto_scroll_range(true, no_favorites), 157);  // Find
    // A control moved up by the window counts where it is now.
    auto debug_at_64 = [](const ControlDef& c) { return c.id == ID_Checkbox_Debug ? 64 : c.top; };
    auto debug_only = [](int id) { return id == ID_Checkbox_Debug; };
    EXPECT_EQ(auto_scroll_range(true, debug_only, debug_at_64), 81);
    EXPECT_EQ(auto_scroll_range(true, [](int) { return false; }), 0);
}

TEST(WideWindow, APercentageOfTheScreenKeptOnIt) {
    const auto wide = widened(1024, 75, {100, 437});
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->width, 768);
    EXPECT_EQ(wide->left, 100);
    EXPECT_EQ(widened(1024, 75, {500, 437})->left, 1024 - 768);         // would leave the screen
    EXPECT_FALSE(widened(1024, 30, {100, 437}));                        // narrower: nothing happens
    EXPECT_EQ(widened(1024, 2100000000, {0, 437})->width, 2147483647);  // no wrap-around
}
