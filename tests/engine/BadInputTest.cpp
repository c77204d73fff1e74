// Hostile and malformed patterns: each must end promptly, without a crash, with memory bounded
// by the caps of one call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/myglobal.h"
#include "tests/support/MsgBoxRecorder.h"

namespace {

using std::string_literals::operator""s;
using List = std::vector<std::string>;

std::string Repeat(const std::string& s, std::size_t n) {
    std::string out;
    out.reserve(s.size() * n);
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

TEST(BadInput, OddBytesPassThroughAsTheyAre) {
    const struct {
        std::string pattern;
        List appended;
    } cases[] = {
        {"a\0[1-2]\0b"s,
         {"a\0"
          "1\0b"s,
          "a\0"
          "2\0b"s}},
        {"x[1\0-3]y"s, {"x1y", "x2y", "x3y"}},
        {"\xff[1-2]\xfe",
         {"\xff"
          "1\xfe",
          "\xff"
          "2\xfe"}},
        {"\xff[\xfe-\xfd]",
         {"\xff"
          "a"}},  // bytes above "9": a letter range of zeros
        {"日本[1-2]語", {"日本1語", "日本2語"}},
        {"x[あ-い]y", {"xay"}},
        {"x[1-３]y", {}},  // a full-width digit reads as 0
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list;
        EXPECT_EQ(myglobal::MG_MakeRenbanList(c.pattern, list, 2), "");
        EXPECT_EQ(list, c.appended);
        EXPECT_TRUE(boxes.Texts().empty());
    }
}

TEST(BadInput, UnbalancedAndReversedBrackets) {
    const struct {
        std::string pattern;
        bool unchanged;
        std::size_t entries;
    } cases[] = {
        {"[[[[1-3", true, 0},
        {"x]1-3[y", true, 0},
        {"]]]][1-3", false, 3},
        {"]x[1-2][", false, 8},  // two of each: two passes, each doubling
        {Repeat("[", 100000) + "1-3" + Repeat("]", 100000), true, 0},
        {"[1-3" + Repeat("]", 5000), false, 3},
        {Repeat("][", 5000), true, 0},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list;
        const std::string result = myglobal::MG_MakeRenbanList(c.pattern, list, 2);
        EXPECT_EQ(result, c.unchanged ? c.pattern : "");
        EXPECT_EQ(list.size(), c.entries);
    }
}

TEST(BadInput, MegabytePatterns) {
    const std::string mega(1 << 20, 'x');
    {
        fwtest::MsgBoxRecorder boxes;
        List list;
        // Entries as long as one may be.
        myglobal::MG_MakeRenbanList(mega + "[1-3]" + mega.substr(1), list, 1);
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[2].size(), 2 * mega.size());
        EXPECT_TRUE(boxes.Texts().empty());
    }
    {
        // A megabyte of typed zeros: all but one digit of them become fixed zeros.
        fwtest::MsgBoxRecorder boxes;
        List list;
        myglobal::MG_MakeRenbanList("a[" + std::string(1 << 20, '0') + "1-3]b", list, 2);
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[0], "a" + std::string(1 << 20, '0') + "1b");
    }
    {
        fwtest::MsgBoxRecorder boxes;
        List list;
        const std::string spaced = "x[1" + std::string(1 << 20, ' ') + "-2]y";
        myglobal::MG_MakeRenbanList(spaced, list, 2);
        EXPECT_EQ(list, (List{"x1y", "x2y"}));
    }
    {
        fwtest::MsgBoxRecorder boxes;
        List list;
        const std::string noRange = Repeat("[1]", 300000);
        EXPECT_EQ(myglobal::MG_MakeRenbanList(noRange, list, 2), noRange);
    }
}

TEST(BadInput, ThousandsOfBrackets) {
    {
        // Every pass expands one bracket of one entry.
        fwtest::MsgBoxRecorder boxes;
        List list;
        myglobal::MG_MakeRenbanList(Repeat("[1-1]", 5000), list, 2);
        EXPECT_EQ(list, List{std::string(5000, '1')});
        EXPECT_TRUE(boxes.Texts().empty());
    }
    {
        // A thousand to the thousandth entries: refused before anything is appended.
        fwtest::MsgBoxRecorder boxes;
        List list;
        myglobal::MG_MakeRenbanList(Repeat("[1-1000]", 1000), list, 2);
        EXPECT_TRUE(list.empty());
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0].substr(0, 16), "Error<MP_MRList>");
    }
}

TEST(BadInput, AMegabyteOfBracketsEndsWithinTheByteCap) {
    // Each pass would copy the whole remaining pattern into one new entry: the byte cap on the
    // entries replaced on the way refuses what would be a quadratic amount of copying.
    fwtest::MsgBoxRecorder boxes;
    List list;
    myglobal::MG_MakeRenbanList(Repeat("[-]", 350000), list, 2);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0].substr(0, 16), "Error<MP_MRList>");
    EXPECT_TRUE(list.empty());
}

TEST(BadInput, EmptyAndSignedValues) {
    const struct {
        std::string pattern;
        List appended;
    } cases[] = {
        {"x[-]y", {"x0y"}},
        {"x[--]y", {"x0y"}},
        {"x[ - ]y", {"x0y"}},
        {"x[-+2]y", {"x0y", "x1y", "x2y"}},
        {"x[+-2]y", {"x0y", "x1y", "x2y"}},
        {"x[.-1]y", {"x0y", "x1y"}},
        {"x[1-]y", {}},
        {"x[1e2-1e2]y", {"x100y"}},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list;
        myglobal::MG_MakeRenbanList(c.pattern, list, 2);
        EXPECT_EQ(list, c.appended) << c.pattern;
    }
}

}  // namespace
