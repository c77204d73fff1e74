#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "tests/support/MsgBoxRecorder.h"

namespace {

using List = std::vector<std::string>;

// prefix + each value from..to (zero-padded to width) + suffix.
List Seq(const std::string& prefix, int from, int to, std::size_t width,
         const std::string& suffix) {
    List out;
    for (int v = from; v <= to; ++v) {
        std::string digits = std::to_string(v);
        if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
        out.push_back(prefix + digits + suffix);
    }
    return out;
}

constexpr int kAny = -1;  // modes 0, 1 and 2 alike

struct Case {
    std::string pattern;
    int mode;
    List appended;
    bool unchanged;  // the result is the pattern itself rather than ""
};

void Check(const Case& c) {
    for (int mode : c.mode == kAny ? std::vector<int>{0, 1, 2} : std::vector<int>{c.mode}) {
        fwtest::MsgBoxRecorder boxes;
        List list;
        const std::string result = myglobal::MG_MakeRenbanList(c.pattern, list, mode);
        EXPECT_EQ(list, c.appended) << c.pattern << " mode " << mode;
        EXPECT_EQ(result, c.unchanged ? c.pattern : "") << c.pattern << " mode " << mode;
        EXPECT_TRUE(boxes.Texts().empty()) << c.pattern;
    }
}

TEST(MakeRenbanList, NumericRangesPaddingAndFixedZeros) {
    const Case cases[] = {
        {"a[1-10]b", 2, Seq("a", 1, 10, 0, "b"), false},
        {"a[1-10]b", 1, Seq("a", 1, 10, 2, "b"), false},
        {"a[001-100]b", 2, Seq("a", 1, 100, 0, "b"), false},
        {"a[001-100]b", 1, Seq("a", 1, 100, 3, "b"), false},
        {"a[001-010]b", 2, Seq("a0", 1, 10, 0, "b"), false},
        {"a[001-010]b", 1, Seq("a0", 1, 10, 2, "b"), false},
        {"a[0001-10]b", 1, Seq("a00", 1, 10, 2, "b"), false},
        {"a[0001-10]b", 2, Seq("a00", 1, 10, 0, "b"), false},
        {"a[1-010]b", 1, Seq("a", 1, 10, 2, "b"), false},
        {"a[08-12]b", 2, Seq("a", 8, 12, 0, "b"), false},
        {"p[000-5]s", kAny, Seq("p00", 0, 5, 0, "s"), false},
        {"a[-3]b", 1, Seq("a", 0, 3, 1, "b"), false},
        {"x[-]y", 2, {"x0y"}, false},
        {"x[5-1]y", 2, {}, false},
        {"x[ 1 - 3 ]y", 2, {"x1y", "x2y", "x3y"}, false},
        {"x[\t1\t-\t3\t]y", 2, {"x1y", "x2y", "x3y"}, false},
        {"a[1-3-5]b", 2, {"a1b", "a2b", "a3b"}, false},
        {"a[0-0]b", 1, {"a0b"}, false},
        {"a[1-5]", 0, Seq("a", 1, 5, 0, ""), false},
        {"[1-3]", 2, {"1", "2", "3"}, false},
        {"x[+1-+3]y", 2, {"x1y", "x2y", "x3y"}, false},
        {"x[1.9-3.7]y", 2, {"x1y", "x2y", "x3y"}, false},    // fractions truncated
        {"x[8-10.5]y", 1, {"x08y", "x09y", "x10y"}, false},  // width from the Int32 last value
        {"a[00é-10]b", 2, Seq("a0", 0, 10, 0, "b"), false},  // zeros fixed by characters
        {"a[0.05-2]b", 2, Seq("a0", 0, 2, 0, "b"), false},   // fixing stops at the "."
        {"http://a/[98-101].jpg",
         1,
         {"http://a/098.jpg", "http://a/099.jpg", "http://a/100.jpg", "http://a/101.jpg"},
         false},
    };
    for (const auto& c : cases) Check(c);
}

TEST(MakeRenbanList, LetterRangesAreLowerCasedInTheFirstBracket) {
    const Case cases[] = {
        {"x[A-C]y", 2, {"xay", "xby", "xcy"}, false},
        {"x[a-c]y", 1, {"xay", "xby", "xcy"}, false},
        {"x[y-ab]z", 2, {}, false},
        {"x[z-ba]y", 1, {"xazy", "xbay"}, false},
        {"x[Z - BA]y", 2, {"xzy", "xbay"}, false},
        {"x[\ta-\tc]y", 2, {"xay", "xby", "xcy"}, false},
        {"x[a-c-e]y", 2, {"xay", "xby", "xcy"}, false},
    };
    for (const auto& c : cases) Check(c);
}

TEST(MakeRenbanList, SeveralBracketsCombineFirstOutermost) {
    const Case cases[] = {
        {"A[1-2]B[1-3]C", 2, {"A1B1C", "A1B2C", "A1B3C", "A2B1C", "A2B2C", "A2B3C"}, false},
        {"A[1-2]B[1-2]C[1-2]D",
         2,
         {"A1B1C1D", "A1B1C2D", "A1B2C1D", "A1B2C2D", "A2B1C1D", "A2B1C2D", "A2B2C1D", "A2B2C2D"},
         false},
        {"A[a-b]B[01-03]C", 1, {"AaB01C", "AaB02C", "AaB03C", "AbB01C", "AbB02C", "AbB03C"}, false},
        {"A[1-2]B[1-3", 2, {"A1B[1-3", "A2B[1-3"}, false},
        {"a[1-2]b]c", 2, {"a1b]c", "a2b]c"}, false},
        {"A[1-2]B[3-4]C]", kAny, {"A1B[3-4]C]", "A2B[3-4]C]"}, false},
        {"A[1-2]B[5]C", 2, {}, false},
        {"A[1-2]B[]C", 2, {"A1B0C", "A2B0C"}, false},
        {"A[1-2]B[a]C", 2, {"A1BaC", "A2BaC"}, false},
        {"A[1-2]B[a-B]C", 2, {"A1BaC", "A1BbC", "A2BaC", "A2BbC"}, false},  // upper case as typed
        {"A[1-2]B[Y-AB]C", 2, {}, false},
        {"A[1-2]B[01-3]C", 1, {"A1B01C", "A1B02C", "A1B03C", "A2B01C", "A2B02C", "A2B03C"}, false},
        {"[1-2][1-2]", 2, {"11", "12", "21", "22"}, false},
    };
    for (const auto& c : cases) Check(c);
}

TEST(MakeRenbanList, TextsThatAreNoRangePatternComeBackUnchanged) {
    const Case cases[] = {
        {"x[5]y", kAny, {}, true},   {"a[1[2-3]b", kAny, {}, true}, {"x", kAny, {}, true},
        {"", kAny, {}, true},        {"x[1-3", kAny, {}, true},     {"x1-3]", kAny, {}, true},
        {"x]1-3[y", kAny, {}, true}, {"x[]y", kAny, {}, true},      {"http://a/b.jpg", 0, {}, true},
    };
    for (const auto& c : cases) Check(c);
}

TEST(MakeRenbanList, EntriesAlreadyInTheList) {
    const struct {
        List before;
        std::string pattern;
        List after;
    } cases[] = {
        {{"X", "Y"}, "A[1-2]B[1-2]C", {"X", "Y", "A1B1C", "A1B2C", "A2B1C", "A2B2C"}},
        {{"Q[1-2]R"}, "A[1-3]B", {"Q[1-2]R", "A1B", "A2B", "A3B"}},
        {{"Q[1-2]R"}, "A[1-2]B[1-2]C", {"Q1R", "Q2R", "A1B1C", "A1B2C", "A2B1C", "A2B2C"}},
        {{"X", "Q[1-2]R", "Y"}, "A[1-2]B[3-3]C", {"X", "Y", "Q1R", "Q2R", "A1B3C", "A2B3C"}},
        {{"a", "b"}, "x[5]y", {"a", "b"}},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list = c.before;
        myglobal::MG_MakeRenbanList(c.pattern, list, 2);
        EXPECT_EQ(list, c.after) << c.pattern;
    }
}

// A caller may hand over one of the list's own entries as the pattern; growing the list moves it.
TEST(MakeRenbanList, APatternThatIsAnEntryOfTheList) {
    const struct {
        List before;
        std::string pattern;
        List after;
    } cases[] = {
        {{"Q[1-2]R"}, "Q[1-2]R", {"Q[1-2]R", "Q1R", "Q2R"}},
        {{"A[1-2]B[1-2]C"},
         "A[1-2]B[1-2]C",
         {"A1B1C", "A1B2C", "A2B1C", "A2B2C", "A1B1C", "A1B2C", "A2B1C", "A2B2C"}},
        {{"x", "http://example.com/long/enough/to/live/on/the/heap/[1-3].jpg"},
         "http://example.com/long/enough/to/live/on/the/heap/[1-3].jpg",
         {"x", "http://example.com/long/enough/to/live/on/the/heap/[1-3].jpg",
          "http://example.com/long/enough/to/live/on/the/heap/1.jpg",
          "http://example.com/long/enough/to/live/on/the/heap/2.jpg",
          "http://example.com/long/enough/to/live/on/the/heap/3.jpg"}},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list = c.before;
        myglobal::MG_MakeRenbanList(list.back(), list, 2);
        EXPECT_EQ(list, c.after) << c.pattern;
        EXPECT_TRUE(boxes.Texts().empty()) << c.pattern;
    }
}

TEST(MakeRenbanList, OnePassReplacesEveryBracketedEntryInPlaceOrder) {
    const struct {
        List before;
        bool pad;
        List after;
    } cases[] = {
        {{}, false, {}},
        {{"a", "x[1-2]y", "b", "p[8-10]q"}, true, {"a", "b", "x1y", "x2y", "p08q", "p09q", "p10q"}},
        {{"x[1-2]y[3-4]"}, false, {"x1y[3-4]", "x2y[3-4]"}},
        {{"x[5]y", "z"}, false, {"z"}},
        {{"x[0]y"}, false, {"x0y"}},
        {{"x[B-C]y"}, false, {"xby", "xcy"}},
        {{"]x[1-2"}, false, {"]x1x[1-2", "]x2x[1-2"}},
    };
    for (const auto& c : cases) {
        fwtest::MsgBoxRecorder boxes;
        List list = c.before;
        myglobal::MP_MakeRenbanList(list, c.pad);
        EXPECT_EQ(list, c.after);
        EXPECT_TRUE(boxes.Texts().empty());
    }
}

TEST(MakeRenbanList, GivesTheEventLoopATurnPerValue) {
    int turns = 0;
    const fw::ScopedEventLoopTurn counting([&] { ++turns; });
    List list;
    myglobal::MG_MakeRenbanList("x[1-1000]y", list, 2);
    EXPECT_EQ(list.size(), 1000u);
    EXPECT_GE(turns, 1000);
}

TEST(MakeRenbanList, AMillionEntriesInOrder) {
    List list;
    myglobal::MG_MakeRenbanList("http://example.com/img/[0000001-1000000].jpg", list, 1);
    ASSERT_EQ(list.size(), 1'000'000u);
    EXPECT_EQ(list.front(), "http://example.com/img/0000001.jpg");
    EXPECT_EQ(list[499'999], "http://example.com/img/0500000.jpg");
    EXPECT_EQ(list.back(), "http://example.com/img/1000000.jpg");

    List two;
    myglobal::MG_MakeRenbanList("A[1-1000]B[1-1000]C", two, 2);
    ASSERT_EQ(two.size(), 1'000'000u);
    EXPECT_EQ(two[1], "A1B2C");
    EXPECT_EQ(two[1000], "A2B1C");
    EXPECT_EQ(two.back(), "A1000B1000C");
}

}  // namespace
