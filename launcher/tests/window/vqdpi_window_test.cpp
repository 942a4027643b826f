// The launcher's windows at the display's scale.  This program runs once in
// the test prefix (96 DPI) and, through dpi/at_dpi.sh, again in prefixes
// whose display is set to 144 and 192 DPI: every designed place, size and
// font is the design's times DPI / 96, and every caption fits its control.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/template_window.h"
#include "harness.h"
#include "help/help_window.h"
#include "main/form.h"
#include "testsupport.h"

using vqtest::Vq;
using vqtest::Window;

namespace {

const char* kIni = "[vq]\r\nbeep=0\r\nontoptime=0\r\n";
const char* kIniFavorites = "[vq]\r\nbeep=0\r\nontoptime=0\r\n[favorites]\r\ndir /w=\r\nmake all=\r\n";
const char* kHistory = "ping localhost\r\nnotepad readme.txt\r\ndir /w\r\n";

// This program reads the other process's windows in real pixels.
const bool kAware = [] {
    SetProcessDPIAware();
    return true;
}();

int display_dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int sc(int design) {
    return MulDiv(design, display_dpi(), 96);
}

// A control's rectangle in its parent's client coordinates.
RECT in_parent(const Window& control) {
    RECT r = control.rect();
    MapWindowPoints(nullptr, GetParent(control.handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The designed rectangle times DPI / 96, within a pixel.
void expect_scaled(const Window& control, int left, int top, int width, int height, const std::string& what) {
    ASSERT_TRUE(control) << what;
    const RECT r = in_parent(control);
    const double k = display_dpi() / 96.0;
    EXPECT_NEAR(r.left, left * k, 1.0) << what;
    EXPECT_NEAR(r.top, top * k, 1.0) << what;
    EXPECT_NEAR(r.right - r.left, width * k, 1.0) << what;
    EXPECT_NEAR(r.bottom - r.top, height * k, 1.0) << what;
}

// A font as the launcher makes it: face and character height in design
// pixels, at this DPI.  (Font handles are the other process's own, so the
// test makes its twin and compares what the controls do with theirs.)
struct DesignFont {
    const char* face;
    int pixels;
    BYTE charset = ANSI_CHARSET;
};
const DesignFont kFormFont{"MS Sans Serif", 11}, kEditFont{"Courier New", 13},
    kTerminalFont{"Terminal", 8, OEM_CHARSET};

SIZE text_extent(const DesignFont& f, const std::string& text) {
    HFONT font = CreateFontA(-sc(f.pixels), 0, 0, 0, FW_NORMAL, 0, 0, 0, f.charset, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, f.face);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size;
}

// An edit box of the other process draws with the font at this DPI: its
// characters stand as far apart as the twin font's.
void expect_edit_font(const Window& edit, const DesignFont& f, const std::string& what) {
    const std::string old = edit.text();
    const std::string sample = "MMMMWWWWiiii0";
    edit.setText(sample);
    const LRESULT first = SendMessageA(edit.handle(), EM_POSFROMCHAR, 0, 0);
    const LRESULT last = SendMessageA(edit.handle(), EM_POSFROMCHAR, sample.size() - 1, 0);
    const int advance = static_cast<short>(LOWORD(last)) - static_cast<short>(LOWORD(first));
    EXPECT_NEAR(advance, text_extent(f, sample.substr(0, sample.size() - 1)).cx, 1)
        << what << ": " << f.face << " " << f.pixels << " at " << display_dpi() << " DPI";
    // And not the font at 96 DPI, where the scale differs.
    if (display_dpi() != 96) {
        const int at96 = MulDiv(text_extent(f, sample.substr(0, sample.size() - 1)).cx, 96, display_dpi());
        EXPECT_GT(std::abs(advance - at96), 2) << what;
    }
    edit.setText(old);
}

// The caption's extent, without its accelerator marks, in the font.
SIZE caption_extent(const Window& control, const DesignFont& f) {
    std::string text;
    for (char c : control.text())
        if (c != '&') text += c;
    return text_extent(f, text);
}

// What a control leaves for its caption: check boxes and radio buttons lose
// their box and a gap, image buttons their picture, buttons their frame.
enum class Room { Button, ImageButton, Check, Group, Label };
void expect_caption_fits(const Window& control, Room room, const DesignFont& font = kFormFont) {
    const RECT r = control.clientRect();
    int width = r.right;
    switch (room) {
        case Room::Button:
            width -= 2 * sc(3);
            break;
        case Room::ImageButton:
            width -= 2 * sc(3) + sc(18) + sc(4);
            break;
        case Room::Check:
            width -= GetSystemMetrics(SM_CXMENUCHECK) + sc(4);
            break;
        case Room::Group:
            width -= 2 * sc(8);
            break;
        case Room::Label:
            break;
    }
    const SIZE text = caption_extent(control, font);
    EXPECT_LE(text.cx, width) << "\"" << control.text() << "\" at " << display_dpi() << " DPI";
    EXPECT_LE(text.cy, r.bottom) << "\"" << control.text() << "\" at " << display_dpi() << " DPI";
}

Room room_of(vq::ControlKind kind) {
    switch (kind) {
        case vq::ControlKind::ImageButton:
            return Room::ImageButton;
        case vq::ControlKind::CheckBox:
        case vq::ControlKind::RadioButton:
            return Room::Check;
        case vq::ControlKind::GroupBox:
            return Room::Group;
        case vq::ControlKind::Label:
            return Room::Label;
        default:
            return Room::Button;
    }
}

// The window's client size at this DPI.
void expect_client(const Window& w, int width, int height, const std::string& what) {
    const RECT c = w.clientRect();
    EXPECT_EQ(c.right, sc(width)) << what;
    EXPECT_EQ(c.bottom, sc(height)) << what;
}

bool has_bars(const Window& w) {
    return (GetWindowLongA(w.handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) == (WS_VSCROLL | WS_HSCROLL);
}

// Shrinks a window to a third of its size: both scroll bars come; back to
// its size, both go.
void expect_scrolls_when_small(const Window& w, const std::string& what) {
    const RECT outer = w.rect();
    EXPECT_FALSE(has_bars(w)) << what;
    SetWindowPos(w.handle(), nullptr, 0, 0, (outer.right - outer.left) / 3, (outer.bottom - outer.top) / 3,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(vqtest::waitFor([&] { return has_bars(w); })) << what;
    SetWindowPos(w.handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(vqtest::waitFor([&] { return !has_bars(w); })) << what;
}

// The pixels of a window as they are on the screen.
struct Capture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    bool operator==(const Capture& o) const { return width == o.width && pixels == o.pixels; }
};
Capture capture(const Window& w) {
    RedrawWindow(w.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Sleep(300);
    const RECT r = w.rect();
    Capture c;
    c.width = r.right - r.left;
    c.height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), c.width, -c.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, c.width, c.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const DWORD*>(bits);
    for (int i = 0; i < c.width * c.height; ++i)
        c.pixels.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return c;
}

// With VQTEST_SHOTS set to a folder, a window's pixels go into NAME-DPI.ppm
// there, for comparing the windows of two builds picture by picture.
void save_shot(const Window& w, const std::string& name) {
    char dir[MAX_PATH] = "";
    if (GetEnvironmentVariableA("VQTEST_SHOTS", dir, sizeof dir) == 0) return;
    w.toFront();
    const Capture c = capture(w);
    std::string data = "P6\n" + std::to_string(c.width) + " " + std::to_string(c.height) + "\n255\n";
    for (COLORREF p : c.pixels) data += {char(GetRValue(p)), char(GetGValue(p)), char(GetBValue(p))};
    testsupport::writeFile(std::string(dir) + "\\" + name + "-" + std::to_string(display_dpi()) + ".ppm",
                           data);
}

// The box around the pixels of one colour; empty when there are none.
RECT extent_of(const Capture& c, COLORREF colour) {
    RECT box{c.width, c.height, 0, 0};
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (c.pixels[static_cast<size_t>(y * c.width + x)] == colour) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    if (box.right <= box.left) box = {0, 0, 0, 0};
    return box;
}

// The button's picture: drawn in its colour at the size for this DPI (18
// design pixels; the drawing covers most of that square), and in grey,
// differently, while the button is disabled.
void expect_picture(const Window& button, COLORREF colour, const std::string& what) {
    button.toFront();
    const Capture on = capture(button);
    const RECT box = extent_of(on, colour);
    const int size = sc(18);
    EXPECT_GE(box.right - box.left, size * 6 / 10) << what;
    EXPECT_LE(box.right - box.left, size + 1) << what;
    EXPECT_GE(box.bottom - box.top, size * 6 / 10) << what;
    EXPECT_LE(box.bottom - box.top, size + 1) << what;
    EnableWindow(button.handle(), FALSE);
    const Capture off = capture(button);
    EnableWindow(button.handle(), TRUE);
    const RECT grey = extent_of(off, colour);
    EXPECT_EQ(grey.right - grey.left, 0) << what << ": no colour while disabled";
    EXPECT_FALSE(on == off) << what;
}

}  // namespace

// The run in a prefix set to another scale really has that scale.
TEST(VqDpi, TheDisplayHasTheScaleOfThisRun) {
    char want[16] = "";
    if (GetEnvironmentVariableA("VQTEST_DPI", want, sizeof want) == 0) strcpy(want, "96");
    EXPECT_EQ(display_dpi(), atoi(want));
}

TEST(VqDpi, MainWindowControlsFontsAndCaptionsScale) {
    Vq vq({}, kIniFavorites, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    expect_client(main, vq::kFormClientWidth, vq::kFormClientHeight, "TForm1");
    save_shot(main, "main");
    const auto defs = vq::form_controls();
    const size_t n = defs.size();
    for (size_t i = 0; i < n; ++i) {
        const vq::ControlDef& d = defs[i];
        Window c = main.item(d.id);
        expect_scaled(c, d.left, d.top, d.width, d.height, d.name);
        if (d.item_height > 0) {
            EXPECT_EQ(SendMessageA(c.handle(), LB_GETITEMHEIGHT, 0, 0), sc(d.item_height)) << d.name;
        }
        if (*d.caption) expect_caption_fits(c, room_of(d.kind));
    }
    expect_edit_font(main.item(vq::ID_Edit), kEditFont, "Edit");
    // The captions that the window changes later fit as well.
    Window wide = main.item(vq::ID_button_wide);
    wide.setText("unw&ide");
    expect_caption_fits(wide, Room::Button);
    main.item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

TEST(VqDpi, ImageButtonsHaveTheirPicturesAtThisScale) {
    Vq vq({}, kIni, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    expect_picture(main.item(vq::ID_BitBtn_OK), RGB(0, 128, 0), "OK");
    expect_picture(main.item(vq::ID_BitBtn_cancel), RGB(192, 0, 0), "Cancel");
    expect_picture(main.item(vq::ID_BitBtn_Help), RGB(0, 0, 160), "Help");
    main.item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

TEST(VqDpi, HelpWindowScalesAndScrollsWhenSmall) {
    Vq vq({}, kIni, std::string(kHistory));
    ASSERT_TRUE(vq.waitReady());
    Window help = vq.findWindow("Thelpf");
    ASSERT_TRUE(help);
    ShowWindow(help.handle(), SW_SHOW);
    ASSERT_TRUE(vqtest::waitFor([&] { return help.visible(); }));
    expect_client(help, 514, 410, "helpf");
    EXPECT_NEAR(help.rect().left, sc(327), 1);
    EXPECT_NEAR(help.rect().top, sc(168), 1);
    const int panel = 410 - 33;
    expect_scaled(help.item(vq::ID_Edit1), 112, panel + 8, 399, 16, "Edit1");
    expect_scaled(help.item(vq::ID_Button_Search), 24, panel + 8, 75, 17, "Button_Search");
    expect_caption_fits(help.item(vq::ID_Button_Search), Room::Button, kTerminalFont);
    save_shot(help, "help");
    expect_edit_font(help.item(vq::ID_Edit1), kTerminalFont, "Edit1");
    expect_scrolls_when_small(help, "helpf");
    PostMessageA(help.handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vqtest::waitFor([&] { return !help.visible(); }));
    vq.waitMain().item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

// The -gui: road: the file-template window alone, at this scale; then the
// reduced main window.
TEST(VqDpi, TemplateWindowAloneThenTheReducedMainWindow) {
    Vq vq({"-gui:edit %1"}, kIni);
    Window gui = vq.waitWindow("TformGui");
    ASSERT_TRUE(gui);
    Window main = vq.findWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_FALSE(main.visible()) << "the main window stands behind the file-template window";
    expect_client(gui, 497, 63, "formGui");
    save_shot(gui, "template");
    expect_scaled(gui.item(vq::ID_Edit_What), 4, 4, 489, 21, "Edit_What");
    expect_scaled(gui.item(vq::ID_BitBtn_File), 4, 32, 89, 25, "BitBtn_File");
    expect_scaled(gui.item(vq::ID_Label1), 100, 32, 313, 25, "Label1");
    expect_scaled(gui.item(vq::ID_BitBtn_Cancel), 419, 33, 75, 25, "BitBtn_Cancel");
    expect_edit_font(gui.item(vq::ID_Edit_What), kFormFont, "Edit_What");
    expect_caption_fits(gui.item(vq::ID_BitBtn_File), Room::ImageButton);
    expect_caption_fits(gui.item(vq::ID_BitBtn_Cancel), Room::Button);
    // The picture: green arrows at the size for this scale.
    expect_picture(gui.item(vq::ID_BitBtn_File), RGB(0, 128, 0), "BitBtn_File");
    expect_scrolls_when_small(gui, "formGui");
    EXPECT_FALSE(main.visible());

    gui.toFront();
    SetForegroundWindow(gui.handle());
    PostMessageA(gui.item(vq::ID_Edit_What).handle(), WM_CHAR, '\r', 0);
    ASSERT_TRUE(vqtest::waitFor([&] { return !gui.visible() && main.visible() && main.enabled(); }));
    const RECT r = main.rect();
    EXPECT_EQ(r.bottom - r.top, sc(150));
    EXPECT_NEAR(in_parent(main.item(vq::ID_Checkbox_Debug)).top, sc(64), 1);
    EXPECT_TRUE(main.item(vq::ID_BitBtn_OK).visible());
    EXPECT_FALSE(main.item(vq::ID_ListBox).visible());
    save_shot(main, "reduced");
    main.item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}
