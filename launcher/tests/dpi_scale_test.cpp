// Display scale of the layout: design pixels at 96 DPI times DPI / 96.
#include <gtest/gtest.h>

#include <cstddef>

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
