#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"

namespace {

TEST(Hooks, MessageBoxGoesToTheInstalledHook) {
    std::vector<std::string> shown;
    auto previous = fw::SetMsgBoxHook([&](const std::string& text) { shown.push_back(text); });
    fw::MsgBox("Error<MG_MRList>\n理由");
    auto mine = fw::SetMsgBoxHook(previous);
    EXPECT_EQ(shown, std::vector<std::string>{"Error<MG_MRList>\n理由"});
    EXPECT_TRUE(static_cast<bool>(mine));
}

TEST(Hooks, EventLoopTurnRunsOnlyWhenInstalled) {
    int turns = 0, nestedTurns = 0;
    fw::DoEvents();
    {
        const fw::ScopedEventLoopTurn counting([&] { ++turns; });
        fw::DoEvents();
        {
            const fw::ScopedEventLoopTurn nested([&] { ++nestedTurns; });
            fw::DoEvents();
        }
        fw::DoEvents();
    }
    fw::DoEvents();
    EXPECT_EQ(turns, 2);
    EXPECT_EQ(nestedTurns, 1);
}

// Of the messages of the code that made the policy only the first is shown; another event run
// in a turn shows its own, also under a policy of its own.
TEST(Hooks, FirstMessageOnlyKeepsTheFirstOfItsOwnCode) {
    std::vector<std::string> shown;
    const auto previous =
        fw::SetMsgBoxHook([&](const std::string& text) { shown.push_back(text); });
    {
        const fw::ScopedEventLoopTurn otherEvent([] {
            const fw::FirstMessageOnly itsOwn;
            fw::MsgBox("event");
            fw::MsgBox("event again");
        });
        const fw::FirstMessageOnly once;
        fw::MsgBox("first");
        fw::DoEvents();
        fw::MsgBox("second");
        fw::DoEvents();
        {
            const fw::FirstMessageOnly inner;
            fw::MsgBox("inner");
        }
    }
    fw::MsgBox("after");
    fw::SetMsgBoxHook(previous);
    EXPECT_EQ(shown, (std::vector<std::string>{"first", "event", "event", "after"}));
}

}  // namespace
