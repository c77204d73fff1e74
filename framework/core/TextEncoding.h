#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Text encodings and conversions over the C library's iconv.
namespace fw {

// An encoding, named by a charset name that iconv knows ("UTF-8", "Shift_JIS", "CP932").
// Two encodings are equal when their names are, without regard to ASCII case.
class TextEncoding {
public:
    explicit TextEncoding(std::string name) : name_(std::move(name)) {}

    const std::string& InternetName() const { return name_; }

    friend bool operator==(const TextEncoding& a, const TextEncoding& b);

private:
    std::string name_;
};

namespace Encodings {
// The platform's standard encoding; every string inside the system is in it.
inline const TextEncoding UTF8{"UTF-8"};
}  // namespace Encodings

// Bytes together with the encoding they are declared in, which may be absent (bytes from a
// source that says nothing of their encoding). An absent encoding equals no present one.
struct EncodedText {
    std::string bytes;
    std::optional<TextEncoding> encoding;

    const std::optional<TextEncoding>& Encoding() const { return encoding; }

    friend bool operator==(const EncodedText&, const EncodedText&) = default;
};

// Converts bytes from one encoding to another. Copies share one iconv descriptor; a converter
// belongs to the thread that got it. Every text is converted as by a converter just opened,
// whatever the texts before it left behind.
class TextConverter {
public:
    // The bytes converted and declared in the target encoding. Throws TextConversionException
    // for bytes that the source encoding does not define and for a text cut inside a character;
    // nothing is replaced or dropped silently.
    EncodedText convert(std::string_view bytes) const;
    EncodedText convert(const EncodedText& text) const { return convert(text.bytes); }

    struct Handle;

private:
    friend std::optional<TextConverter> GetTextConverter(const std::optional<TextEncoding>& from,
                                                         const TextEncoding& to);
    TextConverter(TextEncoding from, TextEncoding to, std::shared_ptr<Handle> handle);

    TextEncoding from_;
    TextEncoding to_;
    std::shared_ptr<Handle> handle_;  // null when both encodings are the same: the bytes stay
};

// A converter between two encodings, or none when `from` is absent or iconv cannot convert.
std::optional<TextConverter> GetTextConverter(const std::optional<TextEncoding>& from,
                                              const TextEncoding& to);

// The encoding that bears the internet charset name `name`, or none when iconv does not know
// it. Only a plain charset name is looked up (letters, digits and - _ . : + ( ), at most 64
// bytes); anything else, a line of text for instance, gives none at once.
std::optional<TextEncoding> GetInternetTextEncoding(std::string_view name);

// How many iconv descriptors are open, in every thread: those the converters hold and the few
// that are kept for the next request of the same pair of names.
std::size_t OpenConverterDescriptors();

// The same bytes declared in `encoding`; nothing is converted or checked.
EncodedText DefineEncoding(const EncodedText& text, const TextEncoding& encoding);

}  // namespace fw
