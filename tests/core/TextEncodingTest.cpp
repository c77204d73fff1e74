#include "framework/core/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/core/Exceptions.h"

namespace {

fw::TextEncoding Named(const char* name) {
    auto encoding = fw::GetInternetTextEncoding(name);
    EXPECT_TRUE(encoding.has_value()) << name;
    return encoding.value_or(fw::Encodings::UTF8);
}

TEST(TextEncoding, ConvertsLegacyJapaneseBytesToUtf8) {
    const struct {
        const char* charset;
        std::string bytes, utf8;
    } cases[] = {
        {"Shift_JIS", "\x93\xFA\x96\x7B\x8C\xEA", "日本語"},
        {"Shift_JIS", "http://a/\x83\x65\x83\x58\x83\x67", "http://a/テスト"},
        {"Shift_JIS", "\xB1", "ｱ"},  // half-width katakana, one byte
        {"CP932", "\x87\x40", "①"},  // an extension of Windows, not in plain Shift_JIS
        {"CP932", "\x81\x60", "～"},
        {"EUC-JP", "\xC6\xFC\xCB\xDC", "日本"},
        {"ISO-2022-JP", "\x1B$BF|K\\\x1B(B", "日本"},
        {"UTF-16LE", std::string("a\0\xE5\x65", 4), "a日"},
        {"Shift_JIS", "", ""},
    };
    for (const auto& c : cases) {
        const auto conv = fw::GetTextConverter(Named(c.charset), fw::Encodings::UTF8);
        ASSERT_TRUE(conv.has_value()) << c.charset;
        const fw::EncodedText result = conv->convert(c.bytes);
        EXPECT_EQ(result.bytes, c.utf8) << c.charset;
        EXPECT_EQ(result.encoding, fw::Encodings::UTF8);
    }
}

TEST(TextEncoding, ConvertsUtf8BackIncludingTheFinalShift) {
    const auto conv = fw::GetTextConverter(fw::Encodings::UTF8, Named("ISO-2022-JP"));
    ASSERT_TRUE(conv.has_value());
    EXPECT_EQ(conv->convert("日本").bytes, "\x1B$BF|K\\\x1B(B");
    // The descriptor is shared between texts; each starts in the initial shift state.
    EXPECT_EQ(conv->convert("a").bytes, "a");
}

TEST(TextEncoding, InvalidOrCutBytesAreAnErrorNotSilentlyReplaced) {
    const struct {
        const char* charset;
        std::string bytes;
    } cases[] = {
        {"Shift_JIS", "\x93"},        // cut after a lead byte
        {"Shift_JIS", "ab\xFF\xFF"},  // bytes outside the code
        {"CP932", "\x81\x20"},        // a lead byte with an impossible trail
        {"EUC-JP", "\xC6"},
    };
    for (const auto& c : cases) {
        const auto conv = fw::GetTextConverter(Named(c.charset), fw::Encodings::UTF8);
        ASSERT_TRUE(conv.has_value());
        EXPECT_THROW(conv->convert(c.bytes), fw::TextConversionException) << c.charset;
    }
}

TEST(TextEncoding, SameEncodingKeepsTheBytes) {
    const auto conv = fw::GetTextConverter(fw::Encodings::UTF8, fw::Encodings::UTF8);
    ASSERT_TRUE(conv.has_value());
    EXPECT_EQ(conv->convert("\xff not utf-8").bytes, "\xff not utf-8");
}

TEST(TextEncoding, NoConverterWithoutASourceOrForAnUnknownOne) {
    EXPECT_FALSE(fw::GetTextConverter(std::nullopt, fw::Encodings::UTF8).has_value());
    EXPECT_FALSE(fw::GetTextConverter(fw::TextEncoding("x-no-such-charset"), fw::Encodings::UTF8));
}

TEST(TextEncoding, InternetNamesAreLookedUpOnlyForPlainCharsetNames) {
    const struct {
        std::string name;
        bool known;
    } cases[] = {
        {"Shift_JIS", true},
        {"shift_jis", true},
        {"UTF-8", true},
        {"EUC-JP", true},
        {"windows-31j", true},
        {"CP932", true},
        {"x-no-such", false},
        {"", false},
        {"UTF-8//TRANSLIT", false},
        {"http://example.com/", false},
        {"UTF-8 ", false},
        {std::string("UTF-8\0", 6), false},
        {std::string(65, 'A'), false},
        {"日本語", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::GetInternetTextEncoding(c.name).has_value(), c.known) << c.name;
    }
}

TEST(TextEncoding, EqualityIgnoresAsciiCaseAndAbsentEqualsNoPresent) {
    EXPECT_EQ(fw::TextEncoding("utf-8"), fw::Encodings::UTF8);
    EXPECT_NE(fw::TextEncoding("Shift_JIS"), fw::Encodings::UTF8);
    const std::optional<fw::TextEncoding> absent;
    EXPECT_NE(absent, std::optional<fw::TextEncoding>(fw::Encodings::UTF8));
}

TEST(TextEncoding, DefineEncodingKeepsTheBytes) {
    const fw::EncodedText text{"\x93\xFA", fw::TextEncoding("Shift_JIS")};
    const auto defined = fw::DefineEncoding(text, fw::Encodings::UTF8);
    EXPECT_EQ(defined.bytes, "\x93\xFA");
    EXPECT_EQ(defined.Encoding(), fw::Encodings::UTF8);
}

}  // namespace
