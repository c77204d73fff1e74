#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MsgBoxRecorder.h"
#include "engine/RomanRenban.h"
#include "engine/myglobal.h"

namespace {

using List = std::vector<std::string>;

// The first line of a refusal names the operation, the second says in Japanese what and why.
void ExpectRefusal(const std::vector<std::string>& shown, const std::string& firstLine,
                   const std::string& reasonPart) {
    ASSERT_EQ(shown.size(), 1u);
    const auto newline = shown[0].find('\n');
    ASSERT_NE(newline, std::string::npos) << shown[0];
    EXPECT_EQ(shown[0].substr(0, newline), firstLine);
    const std::string reason = shown[0].substr(newline + 1);
    EXPECT_NE(reason.find("中止しました"), std::string::npos) << reason;
    EXPECT_NE(reason.find(reasonPart), std::string::npos) << reason;
    EXPECT_EQ(reason.find('\n'), std::string::npos);
}

TEST(Refusal, ValuesBeyondInt32AreRefusedBeforeAnythingIsAppended) {
    const struct {
        std::string pattern;
        std::string reasonPart;
    } cases[] = {
        {"x[1-2147483647]y", "2147483646"},
        {"x[2147483647-2147483647]y", "2147483646"},
        {"x[1-99999999999999999999]y", "2147483646"},
        {"x[2147483648-1]y", "2147483646"},
        {"x[1-1e400]y", "2147483646"},
        {"x[1-" + std::string(1 << 20, '9') + "]y", "2147483646"},
        {"x[a-gytisyy]y", "gytisyx"},
        {"x[gytisyy-a]y", "gytisyx"},
        {"x[a-" + std::string(1000, 'z') + "]y", "gytisyx"},
    };
    for (const auto& c : cases) {
        MsgBoxRecorder boxes;
        List list{"old"};
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 1), "");
        EXPECT_EQ(list, List{"old"});
        ExpectRefusal(boxes.shown, "Error<MG_MRList>", c.reasonPart);
    }
}

TEST(Refusal, TheLargestValuesThatAreNotRefused) {
    const struct {
        std::string pattern;
        List appended;
    } cases[] = {
        {"x[2147483646-2147483646]y", {"x2147483646y"}},
        {"x[2147483645-2147483646]y", {"x2147483645y", "x2147483646y"}},
        {"x[2147483646-5]y", {}},
        {"x[gytisyx-gytisyx]y", {"xgytisyxy"}},
        {"x[gytisyw-gytisyx]y", {"xgytisywy", "xgytisyxy"}},
    };
    for (const auto& c : cases) {
        MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 2), "");
        EXPECT_EQ(list, c.appended) << c.pattern;
        EXPECT_TRUE(boxes.shown.empty()) << c.pattern;
    }
}

TEST(Refusal, OneCallAppendsAtMostTheCap) {
    static_assert(myglobal::kMaxRenbanEntries == 10'000'000);
    const struct {
        std::string pattern;
        std::string count;
    } cases[] = {
        {"x[1-10000001]y", "10000001"},
        {"x[0-2147483646]y", "2147483647"},
        {"x[a-zzzzzz]y", "308915776"},
        {"x[A-ZZZZZZ]y", "308915776"},
    };
    for (const auto& c : cases) {
        MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 1), "");
        EXPECT_TRUE(list.empty());
        ExpectRefusal(boxes.shown, "Error<MG_MRList>", c.count);
    }
}

TEST(Refusal, ExactlyTheCapIsAppended) {
    MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList("[1-10000000]", list, 2);
    EXPECT_EQ(list.size(), 10'000'000u);
    EXPECT_EQ(list.back(), "10000000");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(Refusal, APassBeyondTheCapEndsTheWholeCallWithOneMessage) {
    const struct {
        std::string pattern;
        List kept;  // what the list holds when the call is refused
        std::string count;
    } cases[] = {
        // 10 intermediate entries, then 10 x 2,000,000 would exceed the cap: the pass appends
        // nothing and the further passes do not run.
        {"A[1-10]B[1-2000000]C[1-2]", {}, "20000010"},
        {"A[1-2]B[1-2]C[1-5000000]D",
         {"A1B1C[1-5000000]D", "A1B2C[1-5000000]D", "A2B1C[1-5000000]D", "A2B2C[1-5000000]D"},
         "20000006"},
    };
    for (const auto& c : cases) {
        MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 2), "");
        ExpectRefusal(boxes.shown, "Error<MP_MRList>", c.count);
        if (!c.kept.empty()) {
            EXPECT_EQ(list, c.kept);
        }
        for (const auto& entry : list) EXPECT_NE(entry.find('['), std::string::npos) << entry;
    }
}

TEST(Refusal, AValueBeyondInt32InALaterBracketStopsAtThatPass) {
    MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList("A[1-2]B[1-9999999999]C", list, 2);
    EXPECT_EQ(list, (List{"A1B[1-9999999999]C", "A2B[1-9999999999]C"}));
    ExpectRefusal(boxes.shown, "Error<MP_MRList>", "2147483646");
}

TEST(Refusal, EntriesAsLongAsAMegabytePatternAreBoundedInBytes) {
    const std::string prefix(1 << 20, 'p');
    MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList(prefix + "[1-5000]", list, 2);
    EXPECT_TRUE(list.empty());
    ExpectRefusal(boxes.shown, "Error<MG_MRList>", "バイト");

    MsgBoxRecorder fewer;
    myglobal::MG_MakeRenbanList(prefix + "[1-50]", list, 2);
    EXPECT_EQ(list.size(), 50u);
    EXPECT_TRUE(fewer.shown.empty());
}

TEST(Refusal, NoEntryGrowsBeyondTwoMebibytes) {
    static_assert(myglobal::kMaxRenbanEntryBytes == 2 << 20);
    // The suffix starts after the first "]", one before the first "[" too: every pass doubles
    // the entry, to 268 MB after the last one.
    std::string doubling = "]a[0-0][";
    for (int i = 0; i < 26; ++i) doubling += "[]";
    const std::string cap(2 << 20, 'p');
    const std::string belowCap = cap.substr(1);
    const struct {
        std::string pattern;
        std::string firstLine;
    } cases[] = {
        {doubling, "Error<MP_MRList>"},
        {"http://x/" + doubling, "Error<MP_MRList>"},
        {belowCap + "[1-10]", "Error<MG_MRList>"},
        {"[a-b]" + cap, "Error<MG_MRList>"},
        {"A[1-2]B[1-2]" + cap, "Error<MG_MRList>"},
    };
    for (const auto& c : cases) {
        MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 2), "");
        ExpectRefusal(boxes.shown, c.firstLine, "2097152");
        for (const auto& entry : list) EXPECT_LE(entry.size(), cap.size());
    }

    MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList(belowCap + "[1-9]", list, 2);
    EXPECT_EQ(list.size(), 9u);
    EXPECT_EQ(list.back(), belowCap + "9");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(Refusal, TheLetterFunctionAndThePassRefuseOnTheirOwn) {
    List list;
    EXPECT_THROW(RomanRenban::MG_RomaRenban(list, "a", "zzzzzz", "", "", false),
                 myglobal::RenbanRefused);
    EXPECT_THROW(RomanRenban::MG_RomaRenban(list, "a", "gytisyy", "", "", false),
                 myglobal::RenbanRefused);
    EXPECT_TRUE(list.empty());

    MsgBoxRecorder boxes;
    List pass{"keep", "x[1-20000000]y"};
    myglobal::MP_MakeRenbanList(pass, false);
    EXPECT_EQ(pass, (List{"keep", "x[1-20000000]y"}));
    ExpectRefusal(boxes.shown, "Error<MP_MRList>", "20000000");
}

}  // namespace
