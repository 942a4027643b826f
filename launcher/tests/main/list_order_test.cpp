// The history list's orders: the text comparison that folds only the ASCII
// letters, and the age orders.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/list_order.h"

namespace {

using Items = std::vector<vq::ListItem>;

std::vector<std::string> texts(const Items& items) {
    std::vector<std::string> out;
    for (const auto& it : items) out.push_back(it.text);
    return out;
}

Items aged(const std::vector<std::string>& list) {
    Items items;
    for (const auto& t : list) items.push_back({t, static_cast<int32_t>(items.size())});
    return items;
}

TEST(ListOrder, TextOrdersFoldOnlyTheAsciiLetters) {
    Items items = aged({"Zip", "b_x", "\xE9t\xE9", "apple", "bz", "dir /w", "dir", "_tmp", "BZA"});
    vq::sort_items(items, vq::kOrderAlpha);
    // Underscore (after "Z" once folded) sorts after every letter, an
    // accented letter by its code after all of ASCII, a prefix first.
    EXPECT_EQ(texts(items), (std::vector<std::string>{"apple", "bz", "BZA", "b_x", "dir", "dir /w", "Zip",
                                                      "_tmp", "\xE9t\xE9"}));
    vq::sort_items(items, vq::kOrderAlphaReversed);
    EXPECT_EQ(texts(items), (std::vector<std::string>{"\xE9t\xE9", "_tmp", "Zip", "dir /w", "dir", "b_x",
                                                      "BZA", "bz", "apple"}));
}

TEST(ListOrder, AgeOrders) {
    Items items;
    for (int age : {2, 0, 3, 1}) items.push_back({"age " + std::to_string(age), age});
    vq::sort_items(items, vq::kOrderNewestFirst);
    EXPECT_EQ(texts(items), (std::vector<std::string>{"age 0", "age 1", "age 2", "age 3"}));
    vq::sort_items(items, vq::kOrderOldestFirst);
    EXPECT_EQ(texts(items), (std::vector<std::string>{"age 3", "age 2", "age 1", "age 0"}));
}

}  // namespace
