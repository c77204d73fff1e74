#include "window/UrlRecognition.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using UrlRecognition::CaretUrl;

TEST(UrlRecognition, ForbiddenCharacters) {
    const std::string allowed = "abcxyzABCXYZ0189:/.-_~%#?=&@()!$*+,;'";
    for (char c : allowed) EXPECT_FALSE(UrlRecognition::IsForbiddenUrlChar(std::string(1, c))) << c;
    const std::vector<std::string> forbidden = {"",        " ",
                                                "\t",      "\r",
                                                "\n",      std::string(1, '\0'),
                                                "\x1F",    "\"",
                                                "<",       ">",
                                                "`",       "[",
                                                "\\",      "]",
                                                "^",       "{",
                                                "|",       "}",
                                                "\x7F",    "\xE3\x81\x82",
                                                "\xC3\xA9"};
    for (const auto& c : forbidden) EXPECT_TRUE(UrlRecognition::IsForbiddenUrlChar(c)) << c;
    for (int b = 0; b < 128; ++b) {
        EXPECT_EQ(UrlRecognition::IsForbiddenUrlChar(static_cast<char32_t>(b)),
                  UrlRecognition::IsForbiddenUrlChar(std::string(1, static_cast<char>(b))))
            << b;
    }
    EXPECT_TRUE(UrlRecognition::IsForbiddenUrlChar(U'あ'));
}

TEST(UrlRecognition, UrlUnderABareCaret) {
    struct Case {
        std::string text;
        int selStart;
        int selLength;
        std::optional<CaretUrl> hit;
    };
    // 20 characters: the URL takes characters 5 to 16, with spaces at 4 and 17.
    const std::string twenty = "abc http://x.jp/ def";
    const std::vector<Case> cases = {
        {twenty, 13, 0, CaretUrl{4, 12, "http://x.jp/"}},
        {twenty, 13, 2, std::nullopt},
        {twenty, 16, 0, std::nullopt},  // after the URL's last character
        {twenty, 4, 0, std::nullopt},   // before its first character
        {"http://a.b/c d", 3, 0, CaretUrl{0, 12, "http://a.b/c"}},
        {"see http://e.f/gh", 16, 0, std::nullopt},  // just before the last character
        {"see http://e.f/gh", 17, 0, std::nullopt},  // at the end of the text
        {"see http://e.f/gh", 15, 0, CaretUrl{4, 13, "http://e.f/gh"}},
        {"xhttp://a.b/c d", 5, 0, std::nullopt},
        {"あhttp://a.b/cい", 6, 0, CaretUrl{1, 12, "http://a.b/c"}},
        {"日本 https://s.t/u/v end", 8, 0, CaretUrl{3, 15, "https://s.t/u/v"}},
        {"x ftp://h/p y", 4, 0, CaretUrl{2, 9, "ftp://h/p"}},
        {"x mailto:a@b.c y", 4, 0, CaretUrl{2, 12, "mailto:a@b.c"}},
        {"x HTTP://A.B/C y", 5, 0, CaretUrl{2, 12, "HTTP://A.B/C"}},
        {"", 0, 0, std::nullopt},
        {"http://a b", 0, 0, std::nullopt},
        {"<http://a.b/c>", 4, 0, CaretUrl{1, 12, "http://a.b/c"}},
        // Bytes that start no well-formed sequence (overlong, surrogate) count one character
        // each, as Len counts them.
        {"\xC0\x80http://a.b/c d", 5, 0, CaretUrl{2, 12, "http://a.b/c"}},
        {"\xED\xA0\x80http://a.b/c d", 5, 0, CaretUrl{3, 12, "http://a.b/c"}},
        // A run shorter than the scan's start still counts 7 characters, at the end of the
        // text too.
        {"ftp://", 3, 0, CaretUrl{0, 7, "ftp://"}},
        {"ftp://", 5, 0, CaretUrl{0, 7, "ftp://"}},
        {"ftp://", 6, 0, std::nullopt},
        {"http://", 5, 0, CaretUrl{0, 7, "http://"}},
        {"http://", 6, 0, std::nullopt},
        // The character right after "ftp://" is never tested, so even a blank joins the URL.
        {"ftp:// x", 3, 0, CaretUrl{0, 8, "ftp:// x"}},
    };
    for (const auto& c : cases) {
        const auto got = UrlRecognition::UrlAtCaret(c.text, c.selStart, c.selLength);
        ASSERT_EQ(got.has_value(), c.hit.has_value()) << c.text << " @" << c.selStart;
        if (!got) continue;
        EXPECT_EQ(got->selStart, c.hit->selStart) << c.text;
        EXPECT_EQ(got->selLength, c.hit->selLength) << c.text;
        EXPECT_EQ(got->url, c.hit->url) << c.text;
    }
}

TEST(UrlRecognition, FirstHttpRun) {
    struct Case {
        std::string text;
        std::optional<std::pair<int, int>> run;
    };
    const std::vector<Case> cases = {
        {"abcdhttp://x/y zzzz", std::pair{4, 10}},
        {"http://", std::nullopt},
        {"ab http://", std::nullopt},
        {"ab http://c", std::pair{3, 8}},
        {"http://a http://b", std::pair{0, 8}},
        {"あいhttp://x/yう", std::pair{2, 10}},
        {"\xED\xA0\x80http://x/y z", std::pair{3, 10}},
        {"\xF0\x80\x80\x80http://x/y z", std::pair{4, 10}},
        {"no run", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = UrlRecognition::FirstHttpRun(c.text);
        ASSERT_EQ(got.has_value(), c.run.has_value()) << c.text;
        if (!got) continue;
        EXPECT_EQ(got->start, c.run->first) << c.text;
        EXPECT_EQ(got->length, c.run->second) << c.text;
    }
}

}  // namespace
