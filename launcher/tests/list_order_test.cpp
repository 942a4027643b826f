// The history list's orders: the text comparison that folds only the ASCII
// letters, and the age orders with their failure.
#include <gtest/gtest.h>

#include <memory>

#include "main/list_order.h"

namespace {

using vq::OrderItems;

std::vector<std::string> texts(const OrderItems& items) {
    std::vector<std::string> out;
    for (const auto& it : items) out.push_back(it.first);
    return out;
}

OrderItems without_entries(const std::vector<std::string>& list) {
    OrderItems items;
    for (const auto& t : list) items.emplace_back(t, nullptr);
    return items;
}

TEST(ListOrder, TextOrdersFoldOnlyTheAsciiLetters) {
    OrderItems items =
        without_entries({"Zip", "b_x", "\xE9t\xE9", "apple", "bz", "dir /w", "dir", "_tmp", "BZA"});
    vq::sort_items(items, vq::kOrderAlpha);
    // Underscore (after "Z" once folded) sorts after every letter, an
    // accented letter by its code after all of ASCII, a prefix first.
    EXPECT_EQ(texts(items), (std::vector<std::string>{"apple", "bz", "BZA", "b_x", "dir", "dir /w", "Zip",
                                                      "_tmp", "\xE9t\xE9"}));
    vq::sort_items(items, vq::kOrderAlphaReversed);
    EXPECT_EQ(texts(items), (std::vector<std::string>{"\xE9t\xE9", "_tmp", "Zip", "dir /w", "dir", "b_x",
                                                      "BZA", "bz", "apple"}));
}

TEST(ListOrder, AgeOrdersAndAnItemWithoutAge) {
    std::vector<std::unique_ptr<vq::THistEntry>> entries;
    OrderItems items;
    for (int age : {2, 0, 3, 1}) {
        entries.push_back(std::make_unique<vq::THistEntry>(age));
        items.emplace_back("age " + std::to_string(age), entries.back().get());
    }
    vq::sort_items(items, vq::kOrderNewestFirst);
    EXPECT_EQ(texts(items), (std::vector<std::string>{"age 0", "age 1", "age 2", "age 3"}));
    vq::sort_items(items, vq::kOrderOldestFirst);
    EXPECT_EQ(texts(items), (std::vector<std::string>{"age 3", "age 2", "age 1", "age 0"}));

    // Without its entry object an item has no age: the sort fails and
    // leaves the items as they were; the text orders do not need ages.
    items.emplace_back("lost", nullptr);
    const OrderItems before = items;
    EXPECT_THROW(vq::sort_items(items, vq::kOrderNewestFirst), std::runtime_error);
    EXPECT_EQ(items, before);
    vq::sort_items(items, vq::kOrderAlpha);
    EXPECT_EQ(texts(items), (std::vector<std::string>{"age 0", "age 1", "age 2", "age 3", "lost"}));
}

}  // namespace
