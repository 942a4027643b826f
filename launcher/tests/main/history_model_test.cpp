// The history model: the entries as loaded, Delete, the orders with their
// round trip back to the load's order, and Find over the order shown.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "main/history_model.h"
#include "main/list_order.h"

namespace {

std::vector<std::string> texts(const vq::HistoryModel& m) {
    std::vector<std::string> out;
    for (const auto& it : m.items()) out.push_back(it.text);
    return out;
}

vq::HistoryModel loaded(const std::vector<std::string_view>& newest_first) {
    vq::HistoryModel m;
    m.load(newest_first);
    return m;
}

TEST(HistoryModel, LoadAgesByPositionAndDeleteLeavesGaps) {
    vq::HistoryModel m = loaded({"dir", "NOTEPAD README.TXT", "cd \\projects\\alpha", "ping localhost"});
    EXPECT_EQ(m.listorder(), vq::kOrderNewestFirst);
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[2].text, "cd \\projects\\alpha");
    EXPECT_EQ(m[2].age, 2);
    m.remove(1);
    m.remove(7);  // not there: nothing happens
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[1].text, "cd \\projects\\alpha");
    EXPECT_EQ(m[1].age, 2);  // ages are never renumbered

    // A new load starts over, newest first, whatever order came before.
    m.setorder(vq::kOrderAlpha);
    m = loaded({"b", "a"});
    EXPECT_EQ(m.listorder(), vq::kOrderNewestFirst);
    EXPECT_EQ(m[1].age, 1);
}

TEST(HistoryModel, OrdersAndTheWayBack) {
    vq::HistoryModel m = loaded({"Zip", "apple", "b_x", "bz"});
    m.remove(1);  // apple
    EXPECT_FALSE(m.setorder(vq::kOrderNewestFirst));  // already so: nothing to do
    EXPECT_TRUE(m.setorder(vq::kOrderAlpha));
    EXPECT_EQ(texts(m), (std::vector<std::string>{"bz", "b_x", "Zip"}));
    EXPECT_TRUE(m.setorder(vq::kOrderAlphaReversed));
    EXPECT_EQ(texts(m), (std::vector<std::string>{"Zip", "b_x", "bz"}));
    EXPECT_TRUE(m.setorder(vq::kOrderOldestFirst));
    EXPECT_EQ(texts(m), (std::vector<std::string>{"bz", "b_x", "Zip"}));
    // Back to time: the load's order, without the deleted entry.
    EXPECT_TRUE(m.setorder(vq::kOrderNewestFirst));
    EXPECT_EQ(texts(m), (std::vector<std::string>{"Zip", "b_x", "bz"}));
    EXPECT_EQ(m.listorder(), vq::kOrderNewestFirst);

    // An empty list changes its recorded order all the same.
    vq::HistoryModel empty;
    EXPECT_TRUE(empty.setorder(vq::kOrderAlpha));
    EXPECT_EQ(empty.listorder(), vq::kOrderAlpha);
}

TEST(HistoryModel, FindWalksTheOrderShown) {
    vq::HistoryModel m = loaded({"dir /w", "echo x", "mkdir x", "DIR"});
    EXPECT_EQ(m.find_from("ir", 0), 0);
    EXPECT_EQ(m.find_from("ir", 1), 2);
    EXPECT_EQ(m.find_from("ir", 3), -1);  // case matters: DIR holds no "ir"
    EXPECT_EQ(m.find_from("", 0), -1);    // an empty text matches nothing
    EXPECT_EQ(m.find_from("ir", 99), -1);
    m.setorder(vq::kOrderAlpha);          // DIR, dir /w, echo x, mkdir x
    EXPECT_EQ(m.find_from("ir", 0), 1);
}

}  // namespace
