// The history list's orders and the favorites, driven in the real window;
// and a start-up sound that cannot be played.
#include <gtest/gtest.h>

#include "harness.h"
#include "main/form.h"
#include "testsupport.h"

using vqtest::Vq;
using vqtest::Window;
using Items = std::vector<std::string>;

namespace {

// Oldest first, as in the file.
const char* kHistory =
    "Zip files.zip\r\n"
    "apple pie.txt\r\n"
    "b_x build.bat\r\n"
    "bz compress\r\n"
    "make all now\r\n";

TEST(VqSort, TheFourOrdersAndASaveFromAlphabeticalOrder) {
    Vq vq({}, "[vq]\r\nbeep=0\r\nontoptime=0\r\n", std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window list = main.item(vq::ID_ListBox);
    EXPECT_TRUE(main.item(vq::ID_RadioGroup_Sort_time).checked());
    EXPECT_EQ(main.item(vq::ID_RadioGroup_Sort).text(), "sort by");
    EXPECT_FALSE(main.item(vq::ID_BitBtn_Favorites).visible());  // no favorites in the options file

    auto shows = [&](const Items& want) {
        return vqtest::waitFor([&] { return list.items() == want; });
    };
    const Items newest_first{"make all now", "bz compress", "b_x build.bat", "apple pie.txt",
                             "Zip files.zip"};
    vq.key('A', vqtest::alt);  // alpha: "_" after the letters, letter case ignored
    EXPECT_TRUE(shows({"apple pie.txt", "bz compress", "b_x build.bat", "make all now", "Zip files.zip"}))
        << testing::PrintToString(list.items());
    EXPECT_TRUE(main.item(vq::ID_RadioGroup_Sort_alpha).checked());
    EXPECT_FALSE(main.item(vq::ID_RadioGroup_Sort_time).checked());
    vq.key('R', vqtest::alt);  // Reverse
    EXPECT_TRUE(shows({"Zip files.zip", "make all now", "b_x build.bat", "bz compress", "apple pie.txt"}))
        << testing::PrintToString(list.items());
    vq.key('T', vqtest::alt);  // time, reversed: oldest first
    EXPECT_TRUE(shows({"Zip files.zip", "apple pie.txt", "b_x build.bat", "bz compress", "make all now"}))
        << testing::PrintToString(list.items());
    vq.key('R', vqtest::alt);
    EXPECT_TRUE(shows(newest_first)) << testing::PrintToString(list.items());

    // Shown alphabetically, the list is still saved oldest first, with the
    // Edit box's text as the newest line.
    vq.key('A', vqtest::alt);
    EXPECT_TRUE(shows({"apple pie.txt", "bz compress", "b_x build.bat", "make all now", "Zip files.zip"}));
    main.item(vq::ID_Edit).setText("dir /w");
    main.item(vq::ID_BitBtn_OK).click();
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"), std::string(kHistory) + "dir /w\r\n");
}

// Where the star of the Favorites button is on the screen: -1 left of the
// button's middle, 1 right of it, 0 not to be seen.
int star_side(const Window& button) {
    const RECT r = button.rect();
    HDC screen = GetDC(nullptr);
    long sum = 0, count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (GetPixel(screen, x, y) == RGB(255, 255, 0)) {
                sum += x;
                ++count;
            }
    ReleaseDC(nullptr, screen);
    if (count == 0) return 0;
    return sum / count < (r.left + r.right) / 2 ? -1 : 1;
}

void click_item(const Window& list, int index, bool twice) {
    RECT item{};
    SendMessageA(list.handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    PostMessageA(list.handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list.handle(), WM_LBUTTONUP, 0, at);
    if (!twice) return;
    PostMessageA(list.handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(list.handle(), WM_LBUTTONUP, 0, at);
}

TEST(VqFavorites, AClickTakesAFavoriteAndADoubleClickRunsIt) {
    vqtest::Setup setup;
    setup.ini =
        "[vq]\r\nbeep=0\r\nontoptime=0\r\n"
        "[favorites]\r\nrecorder favorite run=\r\ngit status --short=\r\n";
    setup.history = kHistory;
    // The favorite's program: the recorder notes its arguments.
    setup.env["VQ_STUB_LOG"] = "recorder.log";
    Vq vq({}, setup);
    ASSERT_TRUE(CopyFileA(testsupport::siblingExe("vq_stub.exe").c_str(),
                          (vq.binDir() + "\\recorder.exe").c_str(), FALSE));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window button = main.item(vq::ID_BitBtn_Favorites), favorites = main.item(vq::ID_ListBox_Favorites);
    Window edit = main.item(vq::ID_Edit);
    ASSERT_TRUE(button.visible());
    EXPECT_EQ(button.text(), "Fa&vorites");
    EXPECT_FALSE(favorites.visible());
    EXPECT_EQ(favorites.items(), (Items{"recorder favorite run", "git status --short"}));
    EXPECT_EQ(star_side(button), 1);

    // A click: after the tick the favorite is in the Edit box and the list
    // is closed again.
    vq.key('V', vqtest::alt);
    ASSERT_TRUE(vqtest::waitFor([&] { return favorites.visible(); }));
    EXPECT_TRUE(vqtest::waitFor([&] { return star_side(button) == -1; }));
    click_item(favorites, 1, false);
    EXPECT_TRUE(vqtest::waitFor([&] { return edit.text() == "git status --short"; })) << edit.text();
    EXPECT_TRUE(vqtest::waitFor([&] { return !favorites.visible(); }));
    EXPECT_TRUE(vqtest::waitFor([&] { return star_side(button) == 1; }));
    EXPECT_TRUE(vq.running());

    // The button closes the open list and leaves the Edit box alone.
    button.click();
    ASSERT_TRUE(vqtest::waitFor([&] { return favorites.visible(); }));
    button.click();
    EXPECT_TRUE(vqtest::waitFor([&] { return !favorites.visible(); }));
    EXPECT_EQ(edit.text(), "git status --short");

    // A double click runs the favorite, which is the newest line saved.
    button.click();
    ASSERT_TRUE(vqtest::waitFor([&] { return favorites.visible(); }));
    click_item(favorites, 0, true);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"), std::string(kHistory) + "recorder favorite run\r\n");
    const std::string log = vq.workDir() + "\\recorder.log";
    EXPECT_TRUE(vqtest::waitFor([&] { return testsupport::readFileIfAny(log) == "favorite|run\n"; }))
        << testsupport::readFileIfAny(log);
}

TEST(VqSound, AStartSoundThatCannotBePlayedIsSilent) {
    Vq vq({}, "[vq]\r\nbeep=80\r\nbeepwav=missing.wav\r\nontoptime=0\r\n", std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_TRUE(vq.noBoxFor(1000));
    EXPECT_EQ(main.item(vq::ID_Edit).text(), "make all now");
    vq.key(VK_ESCAPE);
    EXPECT_EQ(vq.waitExit(), 0);
}

}  // namespace
