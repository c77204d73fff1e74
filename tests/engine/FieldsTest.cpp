#include <gtest/gtest.h>

#include <string>

#include "engine/myNTFCF.h"
#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"

namespace {

using std::string_literals::operator""s;

TEST(Fields, CountAndFieldsAtAHyphen) {
    const struct {
        std::string text;
        std::int32_t count;
        std::string fields[5];  // fields 1 to 4, then field 0
    } cases[] = {
        {"a-b-c", 3, {"a", "b", "c", "", "a-b-c"}},
        {"abc", 1, {"abc", "", "", "", "abc"}},
        {"a--b", 3, {"a", "", "b", "", "a--b"}},
        {"-a", 2, {"", "a", "", "", "-a"}},
        {"a-", 2, {"a", "", "", "", "a-"}},
        {"-", 2, {"", "", "", "", "-"}},
        {"", 1, {"", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(myNTFCF::MG_countFields(c.text, "-"), c.count) << c.text;
        for (std::int32_t n = 1; n <= 4; ++n) {
            EXPECT_EQ(myNTFCF::MG_nthField(c.text, "-", n), c.fields[n - 1]) << c.text << n;
        }
        EXPECT_EQ(myNTFCF::MG_nthField(c.text, "-", 0), c.fields[4]) << c.text;
        EXPECT_EQ(myNTFCF::MG_nthField(c.text, "-", -7), c.text) << c.text;
    }
}

TEST(Fields, OtherDelimiters) {
    const struct {
        std::string text, delimiter;
        std::int32_t count;
        std::vector<std::string> fields;
    } cases[] = {
        {"x[1-3]y", "[", 2, {"x", "1-3]y"}},
        {"1-3]y", "]", 2, {"1-3", "y"}},
        {"l1\rl2\rl3\r", "\r", 4, {"l1", "l2", "l3", ""}},
        {"xabyabz", "ab", 3, {"x", "y", "z"}},
        {"aaa", "aa", 2, {"", "a"}},
        {"日本-語", "-", 2, {"日本", "語"}},
        {"a\0b\0"s, "\0"s, 3, {"a", "b", ""}},
        {"abc", "", 1, {"abc"}},  // an empty delimiter never occurs
    };
    for (const auto& c : cases) {
        EXPECT_EQ(myNTFCF::MG_countFields(c.text, c.delimiter), c.count) << c.text;
        for (std::size_t n = 0; n < c.fields.size(); ++n) {
            EXPECT_EQ(myNTFCF::MG_nthField(c.text, c.delimiter, static_cast<std::int32_t>(n + 1)),
                      c.fields[n])
                << c.text << " field " << n + 1;
        }
        EXPECT_EQ(myNTFCF::MG_nthField(c.text, c.delimiter, c.count + 1), "") << c.text;
    }
    EXPECT_EQ(myglobal::CL, "\r");
}

TEST(Fields, EverySearchStepGivesTheEventLoopATurn) {
    int turns = 0;
    const fw::ScopedEventLoopTurn counting([&] { ++turns; });
    const std::int32_t count = myNTFCF::MG_countFields("a-b-c-d", "-");
    const int afterCount = turns;
    myNTFCF::MG_nthField("a-b-c-d", "-", 3);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(afterCount, 3);
    EXPECT_EQ(turns, 6);
}

}  // namespace
