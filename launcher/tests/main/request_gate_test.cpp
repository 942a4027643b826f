// The main window's request gate: requests held while start-up runs (a
// close winning over a run, start-up's own result value not overwriting a
// held run), the close path's re-entry, and waits given up.
#include <gtest/gtest.h>

#include "main/request_gate.h"

namespace {

using Held = vq::RequestGate::Held;

TEST(RequestGate, RequestsWaitForStartup) {
    vq::RequestGate g;
    EXPECT_FALSE(g.run());  // before the first showing: held too
    EXPECT_TRUE(g.begin_startup());
    EXPECT_FALSE(g.begin_startup());  // start-up runs once
    g.startup_result();
    EXPECT_FALSE(g.close());
    EXPECT_FALSE(g.run());
    // The close wins, and what was held is released once.
    EXPECT_EQ(g.startup_done(), Held::close);
    EXPECT_EQ(g.startup_done(), Held::none);
    EXPECT_FALSE(g.runs_command());

    vq::RequestGate r;
    r.begin_startup();
    r.startup_result();
    EXPECT_FALSE(r.run());  // Enter typed ahead during the load
    EXPECT_FALSE(r.runs_command());
    EXPECT_EQ(r.startup_done(), Held::run);
    EXPECT_TRUE(r.run());
    EXPECT_TRUE(r.runs_command());
    EXPECT_TRUE(r.close());
}

TEST(RequestGate, CancelAndTheClosePathsReentry) {
    vq::RequestGate g;
    g.begin_startup();
    g.startup_result();
    EXPECT_FALSE(g.cancel());  // held, but already cancelled
    EXPECT_TRUE(g.is_cancelled());
    EXPECT_EQ(g.startup_done(), Held::close);

    vq::RequestGate r;
    r.begin_startup();
    r.startup_done();
    EXPECT_TRUE(r.run());
    EXPECT_TRUE(r.enter_close_path());
    EXPECT_FALSE(r.stop_requested());
    // A close request during one of the close path's questions.
    EXPECT_FALSE(r.enter_close_path());
    EXPECT_TRUE(r.stop_requested());
    r.leave_close_path();
    // The next close path starts with the run loop free again.
    EXPECT_TRUE(r.enter_close_path());
    EXPECT_FALSE(r.stop_requested());
    EXPECT_FALSE(r.list_changed());
    r.mark_changed();
    EXPECT_TRUE(r.list_changed());
    EXPECT_TRUE(r.cancel());
    EXPECT_FALSE(r.runs_command());
}

// A wait gives up at a Cancel or close request made while it waits, held or
// not, and not at one made before it began.
TEST(RequestGate, WaitsGivenUp) {
    vq::RequestGate g;
    g.begin_startup();
    g.begin_wait();
    EXPECT_FALSE(g.close());  // held during start-up, and the wait ends
    EXPECT_TRUE(g.wait_given_up());
    g.startup_done();
    g.begin_wait();
    EXPECT_FALSE(g.wait_given_up());
    g.run();
    EXPECT_FALSE(g.wait_given_up());
    g.cancel();
    EXPECT_TRUE(g.wait_given_up());
}

}  // namespace
