#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/RenbanForecast.h"
#include "engine/RomanRenban.h"
#include "engine/myglobal.h"
#include "tests/support/MsgBoxRecorder.h"

namespace {

using List = std::vector<std::string>;

// The passes a pattern gets: one per "[" when each has a "]".
std::int32_t Brackets(const std::string& pattern) {
    const auto opens = std::count(pattern.begin(), pattern.end(), '[');
    const auto closes = std::count(pattern.begin(), pattern.end(), ']');
    return opens == closes ? static_cast<std::int32_t>(opens) : 0;
}

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
        fwtest::MsgBoxRecorder boxes;
        List list{"old"};
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 1), "");
        EXPECT_EQ(list, List{"old"});
        ExpectRefusal(boxes.Texts(), "Error<MG_MRList>", c.reasonPart);
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
        fwtest::MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 2), "");
        EXPECT_EQ(list, c.appended) << c.pattern;
        EXPECT_TRUE(boxes.Texts().empty()) << c.pattern;
    }
}

TEST(Refusal, OneCallAppendsAtMostTheCap) {
    static_assert(myglobal::kMaxRenbanEntries == 10'000'000);
    const struct {
        std::string pattern;
        std::string figure;
    } cases[] = {
        {"x[1-10000001]y", "10000001 件"},
        {"x[0-2147483646]y", "2147483647 件"},
        {"x[a-zzzzzz]y", "308915776 件"},
        {"x[A-ZZZZZZ]y", "308915776 件"},
        {std::string(2346, 'p') + "[aaaa-zzzz]", "1073893600 バイト"},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 1), "");
        EXPECT_TRUE(list.empty());
        ExpectRefusal(boxes.Texts(), "Error<MG_MRList>", c.figure);
    }
}

TEST(Refusal, ExactlyTheCapIsAppendedAlsoFromSeveralBrackets) {
    // The caps count what the call gives, not the entries its passes replace.
    fwtest::MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList("x[1-4000]y[1-2500]", list, 2);
    EXPECT_EQ(list.size(), 10'000'000u);
    EXPECT_EQ(list.back(), "x4000y2500");
    EXPECT_TRUE(boxes.Texts().empty());
}

std::string Repeat(const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

// Calls too large to expand in full: the forecast decides, from the pattern alone.
TEST(Refusal, TheForecastCountsWhatTheCallGivesExactly) {
    const struct {
        std::string pattern;
        std::int32_t mode;
        std::int64_t entries, bytes;
    } cases[] = {
        {"x" + Repeat("[1-2]", 23), 2, 8'388'608, 8'388'608 * 24},
        {std::string(2331, 'p') + "[aaaa-zzzz]", 1, 456'976, 1'067'038'960},
        {std::string(2345, 'p') + "[aaaa-zzzz]", 1, 456'976, 1'073'436'624},
        // Without padding every width from one letter to four.
        {"[a-zzzz]", 2, 456'976, 26 + 650 * 2 + 16'900 * 3 + 439'400 * 4},
        {"x[0-99999]y[1-100]", 1, 10'000'000, 10'000'000 * 10},
    };
    for (const auto& c : cases) {
        const auto forecast =
            myglobal::renban::ForecastCall(c.pattern, {}, c.mode == 1, Brackets(c.pattern));
        EXPECT_FALSE(forecast.refusal) << *forecast.refusal;
        EXPECT_EQ(forecast.result.entries, c.entries) << c.pattern.substr(0, 20);
        EXPECT_EQ(forecast.result.bytes, c.bytes) << c.pattern.substr(0, 20);
    }
}

// What the forecast says a call gives is what the call appends, bracket shapes of every kind.
TEST(Refusal, TheForecastMatchesTheExpansion) {
    const List before{"keep", "Q[1-2]R", "]q[0-1]"};
    const std::string patterns[] = {
        "A[1-2]B[1-3]C", "x[z-bb]y[8-10]", "]x[1-2][][]",      "a]b[1-3][x-z]]",
        "[1-2]b]c[3-4",  "x[001-010]y[-]", "a[1-2]b[5]c[1-2]", "]]a[0-2]b[1-3]c[[",
        "x[y-ab]z[1-3]", "p[1-2]q[A-c]r",  "[8-12][1-2]",      "a[1-3]b[-2]c]d[",
    };
    for (const std::string& pattern : patterns) {
        for (const std::int32_t mode : {1, 2}) {
            List list = before;
            const auto forecast =
                myglobal::renban::ForecastCall(pattern, list, mode == 1, Brackets(pattern));
            fwtest::MsgBoxRecorder boxes;
            myglobal::MG_MakeRenbanList(pattern, list, mode);
            ASSERT_FALSE(forecast.refusal);
            // The entries without brackets stay at the front, those with them unless passes run.
            const std::size_t kept = Brackets(pattern) > 1 ? 1 : before.size();
            std::int64_t entries = 0, bytes = 0;
            for (std::size_t i = kept; i < list.size(); ++i) {
                ++entries;
                bytes += static_cast<std::int64_t>(list[i].size());
            }
            EXPECT_EQ(forecast.result.entries, entries) << pattern << " mode " << mode;
            EXPECT_EQ(forecast.result.bytes, bytes) << pattern << " mode " << mode;
        }
    }
}

TEST(Refusal, ARefusedCallLeavesTheListAsItWas) {
    // Q[1-2]R would be expanded by the passes too: its two entries count.
    const List before{"old", "Q[1-2]R"};
    const struct {
        std::string pattern;
        std::string figure;
    } cases[] = {
        {"A[1-10]B[1-2000000]C[1-2]", "40000002 件"},
        {"A[1-2]B[1-2]C[1-5000000]D", "20000002 件"},
        {"x[1-4000]y[1-2600]", "10400002 件"},
        {"x" + Repeat("[1-2]", 24), "16777218 件"},
        {Repeat("[1-2]", 100), "9223372036854775807 件以上"},
        {"A[1-2]B[1-9999999999]C", "2147483646"},
        // Twenty million entries built on the way, then all removed by the empty range.
        {"x[1-20000000]y[5]", "途中で作っては置き換える URL が 20000000 件"},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list = before;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 2), "");
        ExpectRefusal(boxes.Texts(), "Error<MP_MRList>", c.figure);
        EXPECT_EQ(list, before);
    }
}

TEST(Refusal, EntriesAsLongAsAMegabytePatternAreBoundedInBytes) {
    const std::string prefix(1 << 20, 'p');
    fwtest::MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList(prefix + "[1-5000]", list, 2);
    EXPECT_TRUE(list.empty());
    ExpectRefusal(boxes.Texts(), "Error<MG_MRList>", "バイト");

    fwtest::MsgBoxRecorder fewer;
    myglobal::MG_MakeRenbanList(prefix + "[1-50]", list, 2);
    EXPECT_EQ(list.size(), 50u);
    EXPECT_TRUE(fewer.Texts().empty());
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
        {belowCap + "[a-a]s", "Error<MG_MRList>"},
        {"A[1-2]B[1-2]" + cap, "Error<MG_MRList>"},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 2), "");
        ExpectRefusal(boxes.Texts(), c.firstLine, "2097152");
        EXPECT_TRUE(list.empty());
    }

    fwtest::MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList(belowCap + "[1-9]", list, 2);
    EXPECT_EQ(list.size(), 9u);
    EXPECT_EQ(list.back(), belowCap + "9");
    // A letter range counts the width of its letters, not the longest a letter can have.
    myglobal::MG_MakeRenbanList(cap.substr(2) + "[a-a]s", list, 2);
    EXPECT_EQ(list.size(), 10u);
    EXPECT_EQ(list.back().size(), cap.size());
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST(Refusal, TheLetterFunctionAndThePassRefuseOnTheirOwn) {
    List list;
    EXPECT_THROW(RomanRenban::MG_RomaRenban(list, "a", "zzzzzz", "", "", false),
                 myglobal::RenbanRefused);
    EXPECT_THROW(RomanRenban::MG_RomaRenban(list, "a", "gytisyy", "", "", false),
                 myglobal::RenbanRefused);
    EXPECT_TRUE(list.empty());

    fwtest::MsgBoxRecorder boxes;
    List pass{"keep", "x[1-20000000]y"};
    myglobal::MP_MakeRenbanList(pass, false);
    EXPECT_EQ(pass, (List{"keep", "x[1-20000000]y"}));
    ExpectRefusal(boxes.Texts(), "Error<MP_MRList>", "20000000");
}

}  // namespace
