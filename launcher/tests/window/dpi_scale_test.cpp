// Display scale of the layout: design pixels at 96 DPI times DPI / 96.
#include <gtest/gtest.h>

#include <cstddef>
#include <map>

#include "gui/template_form.h"
#include "help/help_form.h"
#include "main/form.h"
#include "window/anchors.h"
#include "window/dpi_scale.h"

using namespace vq;

TEST(DpiScale, NinetySixLeavesEveryLengthAsDesigned) {
    for (int v : {-500, -1, 0, 1, 7, 11, 13, 14, 150, 429, 32767}) EXPECT_EQ(scale_px(v, 96), v) << v;
    // An unknown DPI is taken as the design DPI, not as zero.
    EXPECT_EQ(scale_px(429, 0), 429);
    EXPECT_EQ(scale_px(429, -5), 429);
}

TEST(DpiScale, OtherScalesRoundToTheNearestPixelAsMulDivDoes) {
    EXPECT_EQ(scale_px(150, 192), 300);
    EXPECT_EQ(scale_px(11, 144), 17);  // 16.5: halves away from zero
    EXPECT_EQ(scale_px(13, 144), 20);  // 19.5
    EXPECT_EQ(scale_px(-11, 144), -17);
    EXPECT_EQ(scale_px(1, 120), 1);  // 1.25
    EXPECT_EQ(scale_px(3, 120), 4);  // 3.75
    EXPECT_EQ(scale_px(429, 168), 751);
    // Large lengths do not wrap around.
    EXPECT_EQ(scale_px(1000000, 480), 5000000);
    // A width measured at one DPI, taken to another.
    EXPECT_EQ(rescale_px(437, 96, 192), 874);
    EXPECT_EQ(rescale_px(874, 192, 144), 656);  // 655.5
    EXPECT_EQ(rescale_px(500, 144, 144), 500);
}

// The main window at its designed client size at each scale: every control
// lies where the table says, times DPI / 96, within a pixel; controls that
// touch as designed still touch.
TEST(DpiScale, TheFormTableScalesAsAWhole) {
    const auto defs = form_controls();
    const size_t n = defs.size();
    for (int dpi : {96, 120, 144, 192}) {
        const int cw = scale_px(kFormClientWidth, dpi), ch = scale_px(kFormClientHeight, dpi);
        for (std::size_t i = 0; i < n; ++i) {
            const ControlDef& c = defs[i];
            const Rect r = anchored_rect(c, cw, ch, dpi);
            const double k = dpi / 96.0;
            EXPECT_NEAR(r.left, c.left * k, 1.0) << c.name << " at " << dpi;
            EXPECT_NEAR(r.top, c.top * k, 1.0) << c.name << " at " << dpi;
            EXPECT_NEAR(r.width, c.width * k, 1.0) << c.name << " at " << dpi;
            EXPECT_NEAR(r.height, c.height * k, 1.0) << c.name << " at " << dpi;
            if (dpi == 96) {
                EXPECT_EQ(r.left, c.left);
                EXPECT_EQ(r.width, c.width);
            }
        }
    }
    // OK's bottom edge (327 of 334) at 150 %: edges are scaled, not lengths.
    for (std::size_t i = 0; i < n; ++i) {
        if (defs[i].id != ID_BitBtn_OK) continue;
        const Rect ok = anchored_rect(defs[i], scale_px(kFormClientWidth, 144), scale_px(kFormClientHeight, 144), 144);
        EXPECT_EQ(ok.top + ok.height, scale_px(302 + 25, 144));
    }
}

TEST(DpiScale, AnchorsKeepScaledDistancesWhenTheWindowGrows) {
    const Rect design{352, 302, 75, 25};
    // 200 %: the designed area is 858 x 668; 100 pixels more each way.
    Rect r = anchor_rect(design, kAnchorRight | kAnchorBottom, 429, 334, 958, 768, 192);
    EXPECT_EQ(r.left, 704 + 100);
    EXPECT_EQ(r.top, 604 + 100);
    EXPECT_EQ(r.width, 150);
    r = anchor_rect({4, 32, 247, 295}, kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom, 429, 334, 958,
                    768, 192);
    EXPECT_EQ(r.left, 8);
    EXPECT_EQ(r.width, 494 + 100);
    EXPECT_EQ(r.height, 590 + 100);
    // Far too small: no negative sizes.
    r = anchor_rect({4, 32, 247, 295}, kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom, 429, 334, 10,
                    10, 144);
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.height, 0);
}

TEST(DpiScale, TheScrollRangeIsInPixelsAtTheWindowsDpi) {
    auto all = [](int) { return true; };
    EXPECT_EQ(auto_scroll_range(true, all, nullptr, 96), 255);
    EXPECT_EQ(auto_scroll_range(true, all, nullptr, 192), 510);
    EXPECT_EQ(auto_scroll_range(true, all, nullptr, 144), 383);  // 382.5
    // A control moved by the window counts with its new design top.
    auto debug_only = [](int id) { return id == ID_Checkbox_Debug; };
    auto debug_at_64 = [](const ControlDef&) { return 64; };
    EXPECT_EQ(auto_scroll_range(true, debug_only, debug_at_64, 192), 162);
    const LayoutArea a = layout_area(300, 100, 250, 510);
    EXPECT_EQ(a.width, 300);
    EXPECT_EQ(a.height, 510);
}

namespace {
std::map<int, Rect> placed_by_id(const FormTable& form, int width, int height, int dpi) {
    // A stand-in for a tab control's page: 2 pixels of border, a tab row of 18.
    auto page = [](const ControlDef& c, const Rect& r) {
        if (c.kind != ControlKind::TabControl) return r;
        return Rect{r.left + 2, r.top + 20, r.width - 4, r.height - 22};
    };
    const auto rects = place_controls(form, width, height, dpi, nullptr, page);
    std::map<int, Rect> by_id;
    for (std::size_t i = 0; i < rects.size(); ++i) by_id[form.controls[i].id] = rects[i];
    return by_id;
}

void expect_rect(const Rect& r, int left, int top, int width, int height, const char* what) {
    EXPECT_EQ(r.left, left) << what;
    EXPECT_EQ(r.top, top) << what;
    EXPECT_EQ(r.width, width) << what;
    EXPECT_EQ(r.height, height) << what;
}
}  // namespace

// The help window: a bottom panel of 33 design pixels, scaled as a whole,
// holds the search box (stretching) and the button 8 pixels below its top;
// the tab control fills the rest, its views its page.  At every scale and
// size the edges are where the window's own arithmetic put them.
TEST(FormLayout, TheHelpWindowKeepsItsPanelAtTheBottomAndItsViewsOnThePage) {
    const FormTable help = help_form();
    for (int dpi : {96, 120, 144, 168, 192}) {
        for (const auto& [dw, dh] : {std::pair{0, 0}, {37, 23}, {121, 5}}) {
            const int w = scale_px(514, dpi) + dw, h = scale_px(410, dpi) + dh;
            const int panel = h - scale_px(33, dpi), row = panel + scale_px(8, dpi);
            SCOPED_TRACE(testing::Message() << dpi << " DPI, " << w << " x " << h);
            auto at = placed_by_id(help, w, h, dpi);
            expect_rect(at[ID_Panel1], 0, panel, w, scale_px(33, dpi), "Panel1");
            expect_rect(at[ID_PageControl1], 0, 0, w, panel, "PageControl1");
            for (int view : {ID_RichEdit_TeciFake, ID_RichEdit_teci})
                expect_rect(at[view], 2, 20, w - 4, panel - 22, "a view");
            expect_rect(at[ID_Edit1], scale_px(112, dpi), row,
                        w - scale_px(112, dpi) - (scale_px(514, dpi) - scale_px(511, dpi)),
                        scale_px(24, dpi) - scale_px(8, dpi), "Edit1");
            expect_rect(at[ID_Button_Search], scale_px(24, dpi), row, scale_px(99, dpi) - scale_px(24, dpi),
                        scale_px(25, dpi) - scale_px(8, dpi), "Button_Search");
        }
    }
}

// The file-template window: Edit_What and Label1 stretch, Cancel keeps to
// the bottom right corner, the file button to the top left.
TEST(FormLayout, TheFileTemplateWindowStretchesItsTextAndKeepsCancelInTheCorner) {
    const FormTable gui = template_form();
    for (int dpi : {96, 144, 192}) {
        const int w = scale_px(497, dpi) + 60, h = scale_px(63, dpi) + 10;
        SCOPED_TRACE(testing::Message() << dpi << " DPI");
        auto at = placed_by_id(gui, w, h, dpi);
        const int s4 = scale_px(4, dpi), s32 = scale_px(32, dpi);
        expect_rect(at[ID_Edit_What], s4, s4, scale_px(493, dpi) - s4 + 60, scale_px(25, dpi) - s4,
                    "Edit_What");
        expect_rect(at[ID_BitBtn_File], s4, s32, scale_px(93, dpi) - s4, scale_px(57, dpi) - s32,
                    "BitBtn_File");
        expect_rect(at[ID_Label1], scale_px(100, dpi), s32, scale_px(413, dpi) - scale_px(100, dpi) + 60,
                    scale_px(57, dpi) - s32, "Label1");
        expect_rect(at[ID_BitBtn_Cancel], scale_px(419, dpi) + 60, scale_px(33, dpi) + 10,
                    scale_px(494, dpi) - scale_px(419, dpi), scale_px(58, dpi) - scale_px(33, dpi),
                    "BitBtn_Cancel");
    }
}

// Both secondary windows scroll as soon as they are smaller than
// designed; the main window only below what its top-anchored controls need.
TEST(FormLayout, TheSecondaryWindowsScrollBelowTheirDesignSize) {
    auto all = [](int) { return true; };
    for (int dpi : {96, 144, 192}) {
        EXPECT_EQ(scroll_range(help_form(), false, all, nullptr, dpi), scale_px(514, dpi));
        EXPECT_EQ(scroll_range(help_form(), true, all, nullptr, dpi), scale_px(410, dpi));
        EXPECT_EQ(scroll_range(template_form(), false, all, nullptr, dpi), scale_px(497, dpi));
        EXPECT_EQ(scroll_range(template_form(), true, all, nullptr, dpi), scale_px(63, dpi));
        EXPECT_EQ(scroll_range(form_table(), false, all, nullptr, dpi), 0);
    }
}
