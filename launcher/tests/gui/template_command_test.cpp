// The command built from a -gui: template and the chosen file.
#include <gtest/gtest.h>

#include "gui/template_command.h"

namespace {

TEST(TemplateCommand, EveryPercentOneGetsTheNameQuotedWhenItHoldsABlank) {
    EXPECT_EQ(vq::template_command("edit %1", "c:\\my docs\\a.txt"), "edit \"c:\\my docs\\a.txt\"");
    EXPECT_EQ(vq::template_command("edit %1", "c:\\docs\\a.txt"), "edit c:\\docs\\a.txt");
    EXPECT_EQ(vq::template_command("cmp %1 %1.bak", "c:\\a b"), "cmp \"c:\\a b\" \"c:\\a b\".bak");
    EXPECT_EQ(vq::template_command("%1%1", "x"), "xx");
    EXPECT_EQ(vq::template_command("dir /w", "c:\\x"), "dir /w");
    EXPECT_EQ(vq::template_command("100%% %2", "c:\\x"), "100%% %2");
    // The name is put in once, not searched again.
    EXPECT_EQ(vq::template_command("type %1", "c:\\50%1.txt"), "type c:\\50%1.txt");
}

}  // namespace
