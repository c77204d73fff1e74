// Failures other than refusals, raised here by the event-loop turn, which is the one outside
// code that runs inside an expansion.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "tests/support/MsgBoxRecorder.h"

namespace {

using List = std::vector<std::string>;

const List* gWatched = nullptr;
std::string gFailAfter;    // the turn fails once the list ends with this entry
std::string gFailAtFront;  // or once it starts with this one

void FailingTurn() {
    if (gWatched && !gWatched->empty() &&
        ((!gFailAfter.empty() && gWatched->back() == gFailAfter) ||
         (!gFailAtFront.empty() && gWatched->front() == gFailAtFront))) {
        gWatched = nullptr;
        throw std::runtime_error("turn failed");
    }
}

class Failure : public ::testing::Test {
protected:
    void TearDown() override {
        gWatched = nullptr;
        gFailAfter.clear();
        gFailAtFront.clear();
    }

    const fw::ScopedEventLoopTurn turn_{FailingTurn};
};

TEST_F(Failure, InTheFirstRangeKeepsWhatWasAppendedAndShowsTheFixedText) {
    fwtest::MsgBoxRecorder boxes;
    List list;
    gWatched = &list;
    gFailAfter = "x2y";
    EXPECT_EQ(myglobal::MG_MakeRenbanList("x[1-5]y", list, 2), "");
    EXPECT_EQ(list, (List{"x1y", "x2y"}));
    EXPECT_EQ(boxes.Texts(), List{"Error<MG_MRList>"});
}

TEST_F(Failure, InAPassKeepsTheEntryBeingExpandedAndEndsTheCallWithOneMessage) {
    fwtest::MsgBoxRecorder boxes;
    List list;
    gWatched = &list;
    gFailAfter = "A2B1C[1-2]D";
    EXPECT_EQ(myglobal::MG_MakeRenbanList("A[1-2]B[1-2]C[1-2]D", list, 2), "");
    // A1B... was expanded and removed; A2B... failed after one value and stays, bracket and all.
    EXPECT_EQ(list, (List{"A2B[1-2]C[1-2]D", "A1B1C[1-2]D", "A1B2C[1-2]D", "A2B1C[1-2]D"}));
    EXPECT_EQ(boxes.Texts(), List{"Error<MP_MRList>"});
}

TEST_F(Failure, BetweenTwoPassesIsTheCallsOwnAndDoesNotEscape) {
    fwtest::MsgBoxRecorder boxes;
    List list;
    gWatched = &list;
    // The list starts with A1B1C only once the first pass has removed the entries it expanded:
    // the turn that the loop over the passes gives after it.
    gFailAtFront = "A1B1C[1-2]D";
    std::string result = "not returned";
    EXPECT_NO_THROW(result = myglobal::MG_MakeRenbanList("A[1-2]B[1-2]C[1-2]D", list, 2));
    EXPECT_EQ(result, "");
    EXPECT_EQ(list, (List{"A1B1C[1-2]D", "A1B2C[1-2]D", "A2B1C[1-2]D", "A2B2C[1-2]D"}));
    EXPECT_EQ(boxes.Texts(), List{"Error<MG_MRList>"});
}

}  // namespace
