#include "framework/core/Strings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "framework/core/Utf8.h"

namespace {

using std::string_literals::operator""s;

TEST(Strings, LenBCountsBytes) {
    const struct {
        std::string s;
        std::int32_t len;
    } cases[] = {{"", 0}, {"abc", 3}, {"日本", 6}, {"a\0b"s, 3}, {"\xff", 1}};
    for (const auto& c : cases) EXPECT_EQ(fw::LenB(c.s), c.len) << c.s;
}

TEST(Strings, InStrBFindsFirstByteMatchAtOrAfterStart) {
    const struct {
        std::int32_t start;
        std::string text, find;
        std::int32_t pos;
    } cases[] = {
        {0, "abcabc", "bc", 2}, {1, "abcabc", "bc", 2}, {3, "abcabc", "bc", 5},
        {6, "abcabc", "c", 6},  {7, "abcabc", "c", 0},  {-5, "abcabc", "bc", 2},
        {0, "abc", "", 0},      {0, "", "a", 0},        {0, "aaa", "aa", 1},
        {2, "aaa", "aa", 2},    {0, "日本語", "語", 7}, {0, "a\0b"s, "\0"s, 2},
        {0, "abc", "abcd", 0},  {0, "x-y", "-", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::InStrB(c.start, c.text, c.find), c.pos) << c.start << " " << c.text;
    }
    EXPECT_EQ(fw::InStrB("abcabc", "c"), 3);
}

TEST(Strings, ByteSlices) {
    const struct {
        std::string got, want;
    } cases[] = {
        {fw::MidB("abcdef", 2, 3), "bcd"},    {fw::MidB("abcdef", 0, 2), "ab"},
        {fw::MidB("abcdef", 5, 10), "ef"},    {fw::MidB("abcdef", 7, 1), ""},
        {fw::MidB("abcdef", 3, -1), ""},      {fw::MidB("abcdef", 3, 0), ""},
        {fw::MidB("abcdef", 3), "cdef"},      {fw::MidB("abcdef", 9), ""},
        {fw::MidB("日本", 2, 2), "\x97\xA5"}, {fw::LeftB("abc", 5), "abc"},
        {fw::LeftB("abc", 2), "ab"},          {fw::LeftB("abc", 0), ""},
        {fw::LeftB("abc", -1), ""},           {fw::RightB("abc", 2), "bc"},
        {fw::RightB("abc", 9), "abc"},        {fw::RightB("abc", 0), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(Strings, AscBIsTheFirstByte) {
    EXPECT_EQ(fw::AscB(""), 0);
    EXPECT_EQ(fw::AscB("A"), 65);
    EXPECT_EQ(fw::AscB("\xff"), 255);
    EXPECT_EQ(fw::AscB("日"), 0xE6);
    EXPECT_EQ(fw::AscB("9z"), 0x39);
}

TEST(Strings, NthFieldBCutsAtEveryOccurrence) {
    const struct {
        std::string text, delimiter;
        std::int32_t n;
        std::string field;
    } cases[] = {
        {"a-b-c", "-", 1, "a"},       {"a-b-c", "-", 2, "b"}, {"a-b-c", "-", 3, "c"},
        {"a-b-c", "-", 4, ""},        {"a-b-c", "-", 0, ""},  {"a-b-c", "-", -1, ""},
        {"a--b", "-", 2, ""},         {"a--b", "-", 3, "b"},  {"-a", "-", 1, ""},
        {"xabyabz", "ab", 3, "z"},    {"aaa", "aa", 1, ""},   {"aaa", "aa", 2, "a"},
        {"abc", "", 1, "abc"},        {"abc", "", 2, ""},     {"", "-", 1, ""},
        {"x[1-3]y", "[", 2, "1-3]y"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::NthFieldB(c.text, c.delimiter, c.n), c.field) << c.text << " " << c.n;
    }
}

TEST(Strings, LenCountsCharactersAndEveryInvalidByteAsOne) {
    const struct {
        std::string s;
        std::int32_t len;
    } cases[] = {
        {"", 0},
        {"abc", 3},
        {"日本語", 3},
        {"a😀b", 3},
        {"\xff\xfe", 2},
        {"\xE6\x97", 2},          // cut inside a character
        {"\xC0\xAF", 2},          // overlong "/"
        {"\xED\xA0\x80", 3},      // encoded surrogate
        {"\xE6\x97\xA5\xff", 2},  // a valid character, then a stray byte
        {"\x80\x80日", 3},
        {"a\0b"s, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::Len(c.s), c.len) << c.s;
        // The one decoder counts alike.
        EXPECT_EQ(fw::utf8::Decode(c.s).size(), static_cast<std::size_t>(c.len)) << c.s;
    }
    EXPECT_EQ(fw::utf8::Decode("a\xF0\x9F\x98\x80\xC0\xAF\xE6\x97\xA5"),
              U"a\U0001F600\uFFFD\uFFFD\u65E5");
}

TEST(Strings, CharacterSlices) {
    const struct {
        std::string got, want;
    } cases[] = {
        {fw::Mid("日本語", 2, 1), "本"},
        {fw::Mid("日本語", 2), "本語"},
        {fw::Mid("日本語", 0, 1), "日"},
        {fw::Mid("日本語", 4, 1), ""},
        {fw::Mid("日本語", 3, 9), "語"},
        {fw::Mid("a\xff"
                 "b",
                 2, 1),
         "\xff"},
        {fw::Mid("abc", 1, 0), ""},
        {fw::Mid("abc", 2, -3), ""},
        {fw::Left("日本語", 2), "日本"},
        {fw::Left("日本語", 10), "日本語"},
        {fw::Left("日本語", 0), ""},
        {fw::Left("\xE6\x97"
                  "x",
                  2),
         "\xE6\x97"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(Strings, ChrEncodesCodePoints) {
    const struct {
        std::int32_t code;
        std::string s;
    } cases[] = {{65, "A"},   {13, "\r"},     {9, "\t"}, {0, "\0"s},   {0x3042, "あ"},
                 {0xE9, "é"}, {0x1F600, "😀"}, {-1, ""},  {0xD800, ""}, {0x110000, ""}};
    for (const auto& c : cases) EXPECT_EQ(fw::Chr(c.code), c.s) << c.code;
}

TEST(Strings, StrOfNumbers) {
    const struct {
        double value;
        std::string s;
    } cases[] = {{0, "0"},
                 {-0.0, "0"},
                 {5, "5"},
                 {1e6, "1000000"},
                 {2147483647.0, "2147483647"},
                 {-3, "-3"},
                 {2.5, "2.5"},
                 {1e20, "100000000000000000000"},
                 {-1e6, "-1000000"},
                 {-2147483648.0, "-2147483648"},
                 {9007199254740991.0, "9007199254740991"},  // the last whole number of 53 bits
                 {9007199254740992.0, "9007199254740992"},
                 {-9007199254740992.0, "-9007199254740992"},
                 {1e16, "10000000000000000"},
                 {0.1, "0.1"},
                 {-2.5, "-2.5"},
                 {1e-7, "1e-07"},
                 {std::numeric_limits<double>::infinity(), "inf"},
                 {-std::numeric_limits<double>::infinity(), "-inf"},
                 {std::numeric_limits<double>::quiet_NaN(), "nan"}};
    for (const auto& c : cases) EXPECT_EQ(fw::Str(c.value), c.s) << c.value;
    EXPECT_EQ(fw::Str(42), "42");
    EXPECT_EQ(fw::Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(Strings, ValReadsTheLeadingNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string s;
        double value;
    } cases[] = {
        {"", 0},
        {"12", 12},
        {"007", 7},
        {"12abc", 12},
        {"abc", 0},
        {" 5", 5},
        {"\t5", 5},
        {"+5", 5},
        {"-5", -5},
        {"1.5", 1.5},
        {".5", 0.5},
        {"1e3", 1000},
        {"1E3", 1000},
        {"1e", 1},
        {"1e+", 1},
        {"e5", 0},
        {".", 0},
        {"-", 0},
        {"inf", 0},
        {"nan", 0},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0},
        {"2147483648", 2147483648.0},
        {"1" + std::string(400, '0'), inf},
        {"0." + std::string(400, '0') + "1", 0},
        {"0x10", 0},
        {"1,000", 1},
        {"１２", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::Val(c.s), c.value) << c.s;
}

TEST(Strings, ValOfAMegabyteOfDigitsIsInfinite) {
    EXPECT_EQ(fw::Val(std::string(1 << 20, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(fw::Val(std::string(1 << 20, '0') + "7"), 7);
}

TEST(Strings, TrimRemovesSurroundingWhiteSpace) {
    const struct {
        std::string s, trimmed;
    } cases[] = {
        {"  a b  ", "a b"},
        {"\t\r\na\r\n", "a"},
        {"\u3000あ\u3000", "あ"},
        {"\xC2\xA0x", "x"},
        {"", ""},
        {"   ", ""},
        {"a\xC2", "a\xC2"},
        {"\v\fx\f", "x"},
        {"http://a/ ", "http://a/"},
        {"\xC2\xA0", ""},
        {" \u3000\t\xC2\xA0", ""},
        {"x\u3000\u3000", "x"},
        {"\xA0x\xA0", "\xA0x\xA0"},  // continuation bytes alone are no space
        {"x\xE3\x80", "x\xE3\x80"},  // an ideographic space cut short
        {"\x80\x80x", "\x80\x80x"},
        {"a\0 "s, "a\0"s},  // NUL is no space
        {" \u3000a b\xC2\xA0 ", "a b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::Trim(c.s), c.trimmed) << c.s;
        const std::string_view view = fw::TrimmedView(c.s);
        EXPECT_EQ(view, c.trimmed) << c.s;
        // A view into the text itself, not into a copy.
        EXPECT_TRUE(view.empty() || (view.data() >= c.s.data() &&
                                     view.data() + view.size() <= c.s.data() + c.s.size()))
            << c.s;
    }
}

TEST(Strings, LowercaseChangesAsciiLettersOnly) {
    EXPECT_EQ(fw::Lowercase("ABC xyz Ä HTTP:"), "abc xyz Ä http:");
    EXPECT_EQ(fw::Lowercase("\xC3\x84"), "\xC3\x84");
}

TEST(Strings, ReplaceAllReplacesFromTheLeftWithoutOverlap) {
    const struct {
        std::string s, find, replacement, result;
    } cases[] = {
        {"a b c", " ", "", "abc"},  {"aaa", "aa", "b", "ba"}, {"abc", "", "x", "abc"},
        {"abc", "b", "bb", "abbc"}, {"a\tb", "\t", "", "ab"}, {"", "a", "b", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::ReplaceAll(c.s, c.find, c.replacement), c.result);
}

TEST(Strings, JoinPutsTheSeparatorBetweenNeighbours) {
    EXPECT_EQ(fw::Join({}, "\r"), "");
    EXPECT_EQ(fw::Join({"a"}, "\r"), "a");
    EXPECT_EQ(fw::Join({"a", "", "b"}, "\r"), "a\r\rb");
}

TEST(Strings, StrCompAndEquality) {
    const struct {
        std::string a, b;
        std::int32_t mode, order;
    } cases[] = {
        {"a", "b", 0, -1},    {"B", "a", 0, -1},    {"B", "a", 1, 1},    {"abc", "ABC", 1, 0},
        {"abc", "ABC", 0, 1}, {"ab", "abc", 0, -1}, {"\xff", "a", 0, 1}, {"", "", 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(fw::StrComp(c.a, c.b, c.mode), c.order) << c.a << c.b;

    const struct {
        std::string a, b;
        bool equal;
    } equalities[] = {
        {"abc", "ABC", true},     {"a", "b", false},
        {"Ä", "ä", false},        {"", "", true},
        {"ab", "abc", false},     {"HTTP:", "http:", true},
        {"a\0b"s, "A\0B"s, true}, {"@", "`", false},
        {"[", "{", false},        {"]", "}", false},
        {"^", "~", false},        {"_", "\x7f", false},  // differ in the case bit alone, no letters
        {"Z", "z", true},         {"\xC1", "\xE1", false},
        {"xyzA", "XYZb", false},  {"http://A", "HTTP://a", true}};
    for (const auto& c : equalities) EXPECT_EQ(fw::StrEq(c.a, c.b), c.equal) << c.a << c.b;
}

TEST(Numbers, PowAndInt32Conversion) {
    EXPECT_EQ(fw::Pow(26.0, 3.0), 17576.0);
    EXPECT_EQ(fw::Pow(26.0, 0.0), 1.0);
    const struct {
        double value;
        std::int32_t converted;
        bool fits;
    } cases[] = {
        {1.9, 1, true},
        {-1.9, -1, true},
        {2147483647.9, 2147483647, true},
        {2147483648.0, 2147483647, false},
        {3e9, 2147483647, false},
        {-2147483648.5, -2147483647 - 1, true},
        {-2147483649.0, -2147483647 - 1, false},
        {std::numeric_limits<double>::quiet_NaN(), 0, false},
        {std::numeric_limits<double>::infinity(), 2147483647, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::ToInt32(c.value), c.converted) << c.value;
        EXPECT_EQ(fw::FitsInt32(c.value), c.fits) << c.value;
    }
}

}  // namespace
