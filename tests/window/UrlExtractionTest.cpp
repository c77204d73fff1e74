#include "window/UrlExtraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> ExtractAll(std::string_view text) {
    std::vector<std::string> urls;
    std::size_t pos = 0;
    while (auto found = UrlExtraction::NextUrl(text, pos)) {
        urls.emplace_back(text.substr(found->start, found->length));
        pos = found->start + found->length;
    }
    return urls;
}

TEST(UrlExtraction, RunsEndAtTheTerminatorSet) {
    struct Case {
        std::string text;
        std::vector<std::string> urls;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"no link here", {}},
        {"http://x/1.html, http://y/2\r", {"http://x/1.html", "http://y/2"}},
        {"http://a/b\xE3\x81\x82\xE3\x81\x84", {"http://a/b"}},
        {"see \"http://q/r\" and <http://s/t>", {"http://q/r", "http://s/t"}},
        {"[http://a/b] (http://c/d)", {"http://a/b]", "http://c/d"}},
        {"go to http://a/b. Then http://c/d;", {"http://a/b.", "http://c/d;"}},
        {"HTTP://a/b Http://c https://d ftp://e", {}},
        {"http:// x", {"http://"}},
        {"tail http://end/of/text", {"http://end/of/text"}},
        {"http://x/?u=http://y", {"http://x/?u=http://y"}},
        {"http://d/1 http://d/1", {"http://d/1", "http://d/1"}},
        {"http://a\nhttp://b\thttp://c\vhttp://d\x17http://e",
         {"http://a", "http://b", "http://c", "http://d", "http://e"}},
        {"http://a'b|c\\d^e`f#g?h&i=j%k~l{m}n;o", {"http://a'b|c\\d^e`f#g?h&i=j%k~l{m}n;o"}},
        {std::string("http://a\0b c", 12), {std::string("http://a\0b", 10)}},
        {"http://a>http://b", {"http://a", "http://b"}},
        {"httphttp://z", {"http://z"}},
        {"http:/", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractAll(c.text), c.urls) << c.text;
}

TEST(UrlExtraction, TerminatorBytesAreExactlyTheFixedSet) {
    const std::string terminators = std::string(" \r\"><)(\n\x17\v,\t");
    for (int b = 0; b < 256; ++b) {
        const bool expected =
            b > 127 || terminators.find(static_cast<char>(b)) != std::string::npos;
        EXPECT_EQ(UrlExtraction::IsTerminator(static_cast<unsigned char>(b)), expected) << b;
    }
}

TEST(UrlExtraction, ScanStartsAtTheGivenOffset) {
    const std::string text = "http://a http://b";
    auto found = UrlExtraction::NextUrl(text, 1);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->start, 9u);
    EXPECT_EQ(found->length, 8u);
    EXPECT_FALSE(UrlExtraction::NextUrl(text, text.size()));
    EXPECT_FALSE(UrlExtraction::NextUrl(text, text.size() + 5));
}

}  // namespace
