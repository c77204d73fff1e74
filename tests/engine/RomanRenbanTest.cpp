#include "engine/RomanRenban.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using List = std::vector<std::string>;

TEST(RomanRenban, LetterNumbersAreBase26WithAZero) {
    const struct {
        std::string letters;
        double value;
    } cases[] = {
        {"", 0},
        {"a", 0},
        {"aa", 0},
        {"aaa", 0},
        {"b", 1},
        {"z", 25},
        {"ba", 26},
        {"zz", 675},
        {"zzz", 17575},
        {"ab", 1},
        {"baa", 676},
        {"gytisyx", 2147483647.0},
        {"gytisyy", 2147483648.0},
        {"B", 1},
        {"Zz", 675},
        {"1", 0},
        {"-", 0},
        {"日", 0},
        {"a1b", 1},
        {std::string(100000, 'a') + "c", 2},  // a long run of leading zeros stays exact
    };
    for (const auto& c : cases)
        EXPECT_EQ(RomanRenban::MP_KanaToSuji(c.letters), c.value) << c.letters;
    EXPECT_TRUE(std::isinf(RomanRenban::MP_KanaToSuji(std::string(1000, 'z'))));
}

TEST(RomanRenban, WrittenFormIsTheShortestLetterString) {
    const struct {
        double value;
        std::string letters;
    } cases[] = {
        {0, "a"},          {1, "b"},     {25, "z"},      {26, "ba"},
        {675, "zz"},       {676, "baa"}, {17575, "zzz"}, {2147483647.0, "gytisyx"},
        {26.9, "ba"},      {-1, ""},     {-30, ""},      {-26, "a"},
        {1e12, "gytisyx"},  // read as Int32, saturated
    };
    for (const auto& c : cases)
        EXPECT_EQ(RomanRenban::MP_SujiToKana(c.value), c.letters) << c.value;
}

TEST(RomanRenban, OneCharacterTables) {
    constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz";
    constexpr char digits[] = "0123456789abcdefghijklmnop";
    for (std::int32_t d = 0; d < 26; ++d) {
        const std::string letter(1, letters[d]), digit(1, digits[d]);
        EXPECT_EQ(RomanRenban::MP_ABCTo26n(letter), digit);
        EXPECT_EQ(RomanRenban::MP_26nHenkan(digit), d);
        EXPECT_EQ(RomanRenban::MP_26nHenkan2(d), digit);
        EXPECT_EQ(RomanRenban::MP_26nToABC(digit), letter);
    }
    const struct {
        std::string got, want;
    } cases[] = {
        {RomanRenban::MP_ABCTo26n("A"), "0"}, {RomanRenban::MP_ABCTo26n("Z"), "p"},
        {RomanRenban::MP_ABCTo26n("1"), ""},  {RomanRenban::MP_ABCTo26n("ab"), ""},
        {RomanRenban::MP_ABCTo26n(""), ""},   {RomanRenban::MP_26nHenkan2(26), ""},
        {RomanRenban::MP_26nHenkan2(-1), ""}, {RomanRenban::MP_26nToABC("q"), ""},
        {RomanRenban::MP_26nToABC("P"), "z"}, {RomanRenban::MP_26nToABC(""), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
    EXPECT_EQ(RomanRenban::MP_26nHenkan("q"), 0);
    EXPECT_EQ(RomanRenban::MP_26nHenkan("A"), 10);
    EXPECT_EQ(RomanRenban::MP_26nHenkan(""), 0);
}

List Letters(const std::string& prefix, int from, int to, const std::string& suffix) {
    List out;
    for (int v = from; v <= to; ++v) out.push_back(prefix + RomanRenban::MP_SujiToKana(v) + suffix);
    return out;
}

TEST(RomanRenban, LetterRanges) {
    List aaToZzPadded;
    for (char x = 'a'; x <= 'z'; ++x) {
        for (char y = 'a'; y <= 'z'; ++y) aaToZzPadded.push_back(std::string{x, y});
    }
    const struct {
        std::string first, last;
        bool pad;
        List appended;
    } cases[] = {
        {"a", "e", false, {"a", "b", "c", "d", "e"}},
        {"a", "e", true, {"a", "b", "c", "d", "e"}},
        {"aa", "zz", true, aaToZzPadded},
        {"aa", "zz", false, Letters("", 0, 675, "")},
        {"z", "ba", false, {"z", "ba"}},
        {"z", "ba", true, {"az", "ba"}},
        {"b", "ab", false, {"b"}},
        {"b", "ab", true, {"ab"}},
        {"aab", "c", true, {"b", "c"}},  // the width comes from last alone
        {"x", "ab", false, {}},
        {"a", "", false, {"a"}},
        {"a", "", true, {"a"}},
        {"a", std::string(15, 'a'), true, {std::string(13, 'a')}},
        {"a", "日", true, {"aaa"}},  // three bytes of digit 0: width 3
        {"日", "c", false, {"a", "b", "c"}},
        {"yz", "bab", false, Letters("", 649, 677, "")},
    };
    for (const auto& c : cases) {
        List list{"kept"};
        RomanRenban::MG_RomaRenban(list, c.first, c.last, "", "", c.pad);
        List want{"kept"};
        want.insert(want.end(), c.appended.begin(), c.appended.end());
        EXPECT_EQ(list, want) << c.first << "-" << c.last << " pad " << c.pad;
    }
}

TEST(RomanRenban, PrefixAndSuffixAreCopiedToEveryEntry) {
    List list;
    RomanRenban::MG_RomaRenban(list, "a", "c", "x", "y", false);
    EXPECT_EQ(list, (List{"xay", "xby", "xcy"}));
}

TEST(RomanRenban, SteppedFormsMatchTheConversionAcrossEveryCarry) {
    List list;
    RomanRenban::MG_RomaRenban(list, "a", "bzzz", "", "", false);
    ASSERT_EQ(list.size(), 2u * 17576u);
    for (std::size_t v = 0; v < list.size(); ++v) {
        ASSERT_EQ(list[v], RomanRenban::MP_SujiToKana(static_cast<double>(v))) << v;
    }
    List top;
    RomanRenban::MG_RomaRenban(top, "gytisyv", "gytisyx", "", "", false);
    EXPECT_EQ(top, (List{"gytisyv", "gytisyw", "gytisyx"}));
}

}  // namespace
