// The reader's rules without widgets: the one-pass cut against the engine's field functions,
// the accepted prefixes and the rows one line gives.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/myNTFCF.h"
#include "engine/myglobal.h"
#include "framework/core/MsgBox.h"
#include "framework/core/Strings.h"
#include "window/DownloadList.h"
#include "window/ListCap.h"

namespace {

std::vector<std::string> Lines(const std::string& text, const std::string& sep) {
    std::vector<std::string> lines;
    fw::FieldsB fields(text, sep);
    while (const auto l = fields.Next()) lines.emplace_back(*l);
    return lines;
}

// What the field-by-field scan gives: fields 1 to MG_countFields.
std::vector<std::string> FieldByField(const std::string& text, const std::string& sep) {
    std::vector<std::string> lines;
    const int k = myNTFCF::MG_countFields(text, sep);
    for (int i = 1; i <= k; ++i) lines.push_back(myNTFCF::MG_nthField(text, sep, i));
    return lines;
}

TEST(DownloadListLines, SameLinesAsTheFieldByFieldScan) {
    const std::string cr = "\r";
    const std::vector<std::string> texts = {
        "",
        "\r",
        "\r\r",
        "a",
        "a\r",
        "\ra",
        "a\rb\rc",
        "a\r\rb",
        "a\nb\rc",  // a line feed stays inside its line
        "a\r\nb\r\n",
        std::string("x\0y\rz\0", 7),
        "\xff\xfe\r\x82\xa0\r",
        "http://x/a.jpg\r\r  ttp://x/b.jpg  \rhttp://x/dir/\r",
    };
    for (const std::string& t : texts) {
        EXPECT_EQ(Lines(t, cr), FieldByField(t, cr)) << testing::PrintToString(t);
    }
    // Separators of two bytes do not overlap, as in the field functions.
    for (const std::string& t : {std::string("aaa"), std::string("xabyabz"), std::string("ab")}) {
        EXPECT_EQ(Lines(t, "aa"), FieldByField(t, "aa")) << t;
        EXPECT_EQ(Lines(t, "ab"), FieldByField(t, "ab")) << t;
    }
    std::mt19937 random(7);
    const std::string alphabet = "ab\r\n[]-1 /";
    for (int n = 0; n < 500; ++n) {
        std::string t;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) t += alphabet[random() % alphabet.size()];
        ASSERT_EQ(Lines(t, cr), FieldByField(t, cr)) << testing::PrintToString(t);
    }
}

TEST(DownloadListPrefixes, FirstMatchingPrefixDecides) {
    struct Case {
        std::string entry;
        std::optional<std::string> row;
    };
    const std::vector<Case> cases = {
        {"http://x/a.jpg", "http://x/a.jpg"},
        {"ttp://x/a.jpg", "http://x/a.jpg"},
        {"ftp://x/a.zip", "ftp://x/a.zip"},
        {"HTTP://X/A.JPG", "HTTP://X/A.JPG"},
        {"TTP://x", "hTTP://x"},
        {"Ftp:x", "Ftp:x"},
        {"http:", "http:"},
        {"ttp:", "http:"},
        {"https://x/d.jpg", std::nullopt},
        {"tp://x", std::nullopt},
        {"http//x", std::nullopt},
        {" http://x", std::nullopt},
        {"", std::nullopt},
        {"htt", std::nullopt},
        {"ｈttp://x", std::nullopt},
        {"notes about the list", std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<std::string> row;
        switch (DownloadList::Accept(c.entry)) {
            case DownloadList::Acceptance::AsItIs:
                row = c.entry;
                break;
            case DownloadList::Acceptance::WithH:
                row = "h" + c.entry;
                break;
            case DownloadList::Acceptance::Refused:
                break;
        }
        EXPECT_EQ(row, c.row) << c.entry;
    }
}

TEST(ListCapTest, TheCapThatRowsComingWouldPass) {
    using ListCap::Passed;
    constexpr std::int64_t rows = myglobal::kMaxListRows;
    constexpr std::int64_t bytes = myglobal::kMaxListBytes;
    constexpr std::int64_t uncounted = myglobal::renban::kUncounted;
    struct Case {
        ListCap::Figures held, more;
        Passed passed;
    };
    const std::vector<Case> cases = {
        {{0, 0}, {rows, bytes}, Passed::Neither},   {{rows - 3, 30}, {3, 3}, Passed::Neither},
        {{rows - 3, 30}, {4, 3}, Passed::Rows},     {{rows, bytes}, {0, 0}, Passed::Neither},
        {{10, bytes - 5}, {1, 5}, Passed::Neither}, {{10, bytes - 5}, {1, 6}, Passed::Bytes},
        {{rows, bytes}, {1, 1}, Passed::Rows},      {{1, 1}, {uncounted, uncounted}, Passed::Rows},
        {{1, uncounted}, {1, 1}, Passed::Bytes},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListCap::WouldPass(c.held, c.more), c.passed)
            << c.held.entries << "+" << c.more.entries << " rows, " << c.held.bytes << "+"
            << c.more.bytes << " bytes";
    }
}

class DownloadListReadLine : public testing::Test {
protected:
    void SetUp() override {
        previous_ =
            fw::SetMsgBoxHook([this](const std::string& text) { messages_.push_back(text); });
    }
    void TearDown() override { fw::SetMsgBoxHook(previous_); }

    // The rows the line hands over, checking that the room asked for beforehand is theirs.
    static std::vector<std::string> Rows(const fw::EncodedText& line) {
        std::vector<std::string> rows;
        myglobal::renban::Figures asked;
        const bool whole = DownloadList::ReadLine(
            line.bytes, line.encoding,
            [&](const myglobal::renban::Figures& more) {
                asked += more;
                return true;
            },
            [&](std::string_view row) {
                rows.emplace_back(row);
                return true;
            });
        EXPECT_TRUE(whole);
        myglobal::renban::Figures added;
        for (const std::string& row : rows) added += {1, static_cast<std::int64_t>(row.size())};
        EXPECT_EQ(asked.entries, added.entries);
        EXPECT_EQ(asked.bytes, added.bytes);
        return rows;
    }
    static std::vector<std::string> Rows(const std::string& utf8) {
        return Rows(fw::EncodedText{utf8, fw::Encodings::UTF8});
    }

    std::vector<std::string> messages_;
    fw::MsgBoxHook previous_;
};

TEST_F(DownloadListReadLine, RowsOfOneLine) {
    struct Case {
        std::string line;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        // The nine lines of a worked download list.
        {"http://x/a.jpg", {"http://x/a.jpg"}},
        {"", {}},
        {"  ttp://x/b.jpg  ", {"http://x/b.jpg"}},
        {"http://x/dir/", {}},
        {"http://x/c[1-3].jpg", {"http://x/c1.jpg", "http://x/c2.jpg", "http://x/c3.jpg"}},
        {"https://x/d.jpg", {}},
        {"ftp://x/e[8-10].zip", {"ftp://x/e8.zip", "ftp://x/e9.zip", "ftp://x/e10.zip"}},
        {"ttp://x/f[1-2]/", {"http://x/f1/", "http://x/f2/"}},
        {"notes about the list", {}},
        // Further edges.
        {"http://x/a.jpg my comment", {"http://x/a.jpg my comment"}},
        {"http://x/dir/   ", {}},
        {"\thttp://x/a.jpg\t", {"http://x/a.jpg"}},
        {"\nhttp://x/a.jpg", {"http://x/a.jpg"}},  // the LF left by a CR LF line end
        {"\xe3\x80\x80http://x/a.jpg\xe3\x80\x80", {"http://x/a.jpg"}},
        {"http://x/[5].jpg", {"http://x/[5].jpg"}},
        {"http://x/[3-1].jpg", {}},
        {"abc[1-3]", {}},
        {"http://x/[01-03].jpg", {"http://x/01.jpg", "http://x/02.jpg", "http://x/03.jpg"}},
        {"HTTP://x/[a-c]", {"HTTP://x/a", "HTTP://x/b", "HTTP://x/c"}},
        {"a\nb", {}},
        {"http://a\nb", {"http://a\nb"}},
        {"   ", {}},
        {std::string("http://x/\0a", 11), {std::string("http://x/\0a", 11)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rows(c.line), c.rows) << testing::PrintToString(c.line);
    }
    EXPECT_TRUE(messages_.empty());
}

// A line the list has no room for, or whose rows it stops taking, is not read on.
TEST_F(DownloadListReadLine, ALineStopsWhereTheListTakesNoMore) {
    struct Case {
        std::string line;
        int roomFor;  // rows the room check lets in, all together
        int taken;    // rows the list takes before it refuses one
        std::vector<std::string> rows;
        bool whole;
    };
    const std::vector<Case> cases = {
        {"http://x/[1-3]", 3, 3, {"http://x/1", "http://x/2", "http://x/3"}, true},
        {"http://x/[1-3]", 2, 3, {}, false},
        {"http://x/[1-3]", 3, 1, {"http://x/1"}, false},
        {"ttp://x/1", 0, 1, {}, false},
        {"ttp://x/1", 1, 0, {}, false},
        {"notes and http://x/dir/", 0, 0, {}, true},
        {"notes[1-3]", 0, 0, {}, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> rows;
        const bool whole = DownloadList::ReadLine(
            c.line, fw::Encodings::UTF8,
            [&](const myglobal::renban::Figures& more) { return more.entries <= c.roomFor; },
            [&](std::string_view row) {
                if (static_cast<int>(rows.size()) == c.taken) return false;
                rows.emplace_back(row);
                return true;
            });
        EXPECT_EQ(rows, c.rows) << c.line << " " << c.roomFor << " " << c.taken;
        EXPECT_EQ(whole, c.whole) << c.line << " " << c.roomFor << " " << c.taken;
    }
}

TEST_F(DownloadListReadLine, LinesInOtherEncodingsArriveAsUtf8) {
    // "http://x/あ.jpg" in Shift_JIS, declared so and as CP932.
    const std::string sjis = "http://x/\x82\xa0.jpg";
    const std::string utf8 = "http://x/\xe3\x81\x82.jpg";
    EXPECT_EQ(Rows(fw::EncodedText{sjis, fw::TextEncoding("Shift_JIS")}),
              std::vector<std::string>{utf8});
    EXPECT_EQ(Rows(fw::EncodedText{sjis, fw::TextEncoding("CP932")}),
              std::vector<std::string>{utf8});
    // Bytes that do not convert go on unchanged.
    const std::string invalid = "http://x/\xff\xfe.jpg";
    EXPECT_EQ(Rows(invalid), std::vector<std::string>{invalid});
    EXPECT_EQ(Rows(fw::EncodedText{invalid, std::nullopt}), std::vector<std::string>{invalid});
}

TEST_F(DownloadListReadLine, RefusedRangeIsReportedAndAddsNothing) {
    EXPECT_TRUE(Rows("http://x/[1-2000000000].jpg").empty());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].substr(0, 16), "Error<MG_MRList>");
    // Refused in a pass: none of the entries of the passes before it is read.
    std::string doubling = "http://x/";
    for (int i = 0; i < 24; ++i) doubling += "[1-2]";
    EXPECT_TRUE(Rows(doubling).empty());
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].substr(0, 16), "Error<MP_MRList>");
}

}  // namespace
