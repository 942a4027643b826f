// Decoding of option values, section key lists and the builtins comma text.
#include <gtest/gtest.h>

#include "options/inivalues.h"

using namespace vq;

namespace {

TEST(DecodeInt, DecimalAndNegative) {
    EXPECT_EQ(decode_int("400", 1), 400);
    EXPECT_EQ(decode_int("-12", 1), -12);
    EXPECT_EQ(decode_int("0", 1), 0);
    EXPECT_EQ(decode_int("2147483647", 1), 2147483647);
    EXPECT_EQ(decode_int("-2147483648", 1), INT32_MIN);
}

TEST(DecodeInt, HexAfterDollarOrLongerThanTwo0x) {
    EXPECT_EQ(decode_int("0x190", 1), 400);
    EXPECT_EQ(decode_int("0X1f", 1), 31);
    EXPECT_EQ(decode_int("$190", 1), 400);
    EXPECT_EQ(decode_int("$FFFFFFFF", 1), -1);
    EXPECT_EQ(decode_int("-$10", 1), -16);
}

TEST(DecodeInt, JunkGivesTheDefault) {
    for (const char* junk : {"abc", "", "0x", "$", "12abc", "1 2", "0x1g", "2147483648", "-2147483649",
                             "$100000000", "-", "1.5"}) {
        EXPECT_EQ(decode_int(junk, 400), 400) << junk;
    }
}

TEST(DecodeBool, AnyNonZeroIsTrue) {
    EXPECT_TRUE(decode_bool("2", false));
    EXPECT_TRUE(decode_bool("-1", false));
    EXPECT_FALSE(decode_bool("0", true));
    EXPECT_TRUE(decode_bool("", true));
    EXPECT_FALSE(decode_bool("yes", false));  // not a number: the default
    EXPECT_TRUE(decode_bool("yes", true));
}

TEST(DecodeText, CutTo2047Characters) {
    EXPECT_EQ(decode_text("c:\\my docs\\vq.txt"), "c:\\my docs\\vq.txt");
    EXPECT_EQ(decode_text(std::string(3000, 'h')).size(), 2047u);
}

TEST(KeyList, NulSeparatedNamesInOrder) {
    const char buffer[] = "x\0vq\0cls\0\0";
    EXPECT_EQ(split_key_list(buffer, 10), (TextList{"x", "vq", "cls"}));
    EXPECT_EQ(split_key_list(buffer, 0), TextList{});
    EXPECT_EQ(split_key_list(buffer, 4), (TextList{"x", "vq"}));  // cut by the reported size
}

TEST(CommaText, CommasAndBlanksSeparate) {
    EXPECT_EQ(split_comma_text("dir,type,copy,del"), (TextList{"dir", "type", "copy", "del"}));
    EXPECT_EQ(split_comma_text("dir, type"), (TextList{"dir", "type"}));
    EXPECT_EQ(split_comma_text("dir type  copy"), (TextList{"dir", "type", "copy"}));
    EXPECT_EQ(split_comma_text(""), TextList{});
    EXPECT_EQ(split_comma_text("   "), TextList{});
}

TEST(CommaText, QuotedItemsKeepCommasAndBlanks) {
    EXPECT_EQ(split_comma_text("\"a b\",\"c,d\",e"), (TextList{"a b", "c,d", "e"}));
    EXPECT_EQ(split_comma_text("\"say \"\"hi\"\"\""), (TextList{"say \"hi\""}));
    EXPECT_EQ(split_comma_text("\"open"), (TextList{"open"}));
}

TEST(CommaText, EmptyItemsBetweenAndAfterCommas) {
    EXPECT_EQ(split_comma_text("a,,b"), (TextList{"a", "", "b"}));
    EXPECT_EQ(split_comma_text("a,"), (TextList{"a", ""}));
    EXPECT_EQ(split_comma_text(std::string("a,b\0c", 5)), (TextList{"a", "b"}));
}

}  // namespace
