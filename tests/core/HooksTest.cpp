#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"

namespace {

int gTurns = 0;

TEST(Hooks, MessageBoxGoesToTheInstalledHook) {
    std::vector<std::string> shown;
    auto previous = fw::SetMsgBoxHook([&](const std::string& text) { shown.push_back(text); });
    fw::MsgBox("Error<MG_MRList>\n理由");
    auto mine = fw::SetMsgBoxHook(previous);
    EXPECT_EQ(shown, std::vector<std::string>{"Error<MG_MRList>\n理由"});
    EXPECT_TRUE(static_cast<bool>(mine));
}

TEST(Hooks, EventLoopTurnRunsOnlyWhenInstalled) {
    gTurns = 0;
    fw::DoEvents();
    fw::SetEventLoopTurn([] { ++gTurns; });
    fw::DoEvents();
    fw::DoEvents();
    fw::SetEventLoopTurn(nullptr);
    fw::DoEvents();
    EXPECT_EQ(gTurns, 2);
}

}  // namespace
