#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/myglobal.h"
#include "framework/core/Strings.h"

namespace {

std::optional<fw::TextEncoding> Declared(const char* name) {
    if (!name) return std::nullopt;
    return fw::TextEncoding(name);
}

TEST(TextconUni, ConvertsToUtf8OrKeepsTheBytes) {
    const struct {
        const char* what;
        std::string bytes;
        const char* declared;  // null: no declared encoding
        std::string result;
        const char* resultDeclared;
    } cases[] = {
        {"UTF-8 stays", "http://例え.jp/", "UTF-8", "http://例え.jp/", "UTF-8"},
        {"Shift_JIS converts", "http://a/\x93\xFA\x96\x7B.jpg", "Shift_JIS", "http://a/日本.jpg",
         "UTF-8"},
        {"CP932 converts", "\x87\x40\x81\x60", "CP932", "①～", "UTF-8"},
        {"EUC-JP converts", "\xC6\xFC", "EUC-JP", "日", "UTF-8"},
        {"CP932 keeps the ASCII of a URL", "http://a/~b\\\x83\x65.jpg", "CP932",
         "http://a/~b\\テ.jpg", "UTF-8"},
        {"a Latin-1 line read as CP932 comes back as it was", "caf\xE9", "CP932", "caf\xE9",
         "CP932"},
        {"empty", "", "Shift_JIS", "", "UTF-8"},
        {"empty, undeclared", "", nullptr, "", "UTF-8"},
        {"undeclared bytes are declared UTF-8 unchecked", "\x93\xFA", nullptr, "\x93\xFA", "UTF-8"},
        {"an unknown declared encoding", "abc\xff", "x-no-such", "abc\xff", "UTF-8"},
        {"invalid Shift_JIS comes back as it was", "ok\xFF\xFF", "Shift_JIS", "ok\xFF\xFF",
         "Shift_JIS"},
        {"Shift_JIS cut inside a character", "\x93", "Shift_JIS", "\x93", "Shift_JIS"},
        {"invalid UTF-8 declared UTF-8 keeps its bytes", "\xC0\xAF", "UTF-8", "\xC0\xAF", "UTF-8"},
        {"a line that names a charset converts from it", "Shift_JIS", nullptr, "Shift_JIS",
         "UTF-8"},
        // The mark makes the text big-endian; the failure must not leave that to the next text.
        {"UTF-16 with a big-endian mark, cut", std::string("\xFE\xFF\xFF\xFD\x00", 5), "UTF-16",
         std::string("\xFE\xFF\xFF\xFD\x00", 5), "UTF-16"},
        {"a line that names UTF-16 converts as if it were the first", "UTF-16", nullptr,
         "\xE5\x91\x95\xE2\xB5\x86\xE3\x98\xB1", "UTF-8"},
        {"a URL is no charset name", "http://example.com/", nullptr, "http://example.com/",
         "UTF-8"},
    };
    for (const auto& c : cases) {
        const fw::EncodedText in{c.bytes, Declared(c.declared)};
        const fw::EncodedText out = myglobal::MG_textconUni(in);
        EXPECT_EQ(out.bytes, c.result) << c.what;
        EXPECT_EQ(out.Encoding(), Declared(c.resultDeclared)) << c.what;
        // A line handed over gives the same as one lent.
        const fw::EncodedText moved = myglobal::MG_textconUni(fw::EncodedText(in));
        EXPECT_EQ(moved.bytes, c.result) << c.what;
        EXPECT_EQ(moved.Encoding(), Declared(c.resultDeclared)) << c.what;
    }
}

TEST(TextconUni, ALineThatIsACharsetNameIsConvertedFromThatCharset) {
    // "UTF-16" is six bytes: three UTF-16 units without a byte-order mark, three characters.
    const fw::EncodedText in{"UTF-16", std::nullopt};
    const fw::EncodedText out = myglobal::MG_textconUni(in);
    EXPECT_EQ(out.Encoding(), fw::Encodings::UTF8);
    EXPECT_EQ(fw::Len(out.bytes), 3);
    EXPECT_NE(out.bytes, in.bytes);
    // "UCS-4" is five bytes, not a whole character of it: the conversion fails.
    const fw::EncodedText odd{"UCS-4", std::nullopt};
    EXPECT_EQ(myglobal::MG_textconUni(odd), odd);
}

TEST(TextconUni, LongLinesConvert) {
    std::string sjis, utf8;
    for (int i = 0; i < 100000; ++i) {
        sjis += "\x93\xFA";
        utf8 += "日";
    }
    const fw::EncodedText out = myglobal::MG_textconUni({sjis, fw::TextEncoding("Shift_JIS")});
    EXPECT_EQ(out.bytes, utf8);
}

TEST(TextconUni, EndlessSpellingsOfOneCharsetHoldFewDescriptors) {
    // The C library takes a charset name with any number of "(", ")" and "+" around it.
    const std::size_t before = fw::OpenConverterDescriptors();
    for (int i = 0; i < 20000; ++i) {
        std::string line = "UTF-8";
        for (int n = i, k = 0; k < 10; ++k, n /= 3) line.insert(0, 1, "()+"[n % 3]);
        const fw::EncodedText out = myglobal::MG_textconUni({line, std::nullopt});
        ASSERT_EQ(out, (fw::EncodedText{line, fw::Encodings::UTF8})) << line;
    }
    EXPECT_LT(fw::OpenConverterDescriptors(), before + 100);
}

}  // namespace
