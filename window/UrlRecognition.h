#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The character-wise rules of the URL edit field: which characters may stand in a URL, the URL
// under a bare caret, and the first "http://" run of a text. Positions and lengths count
// characters (code points) from 0, as the edit field's selection does; texts are UTF-8.
namespace UrlRecognition {

// True when the one-character string c may not stand in a URL: the double quote, < > and the
// backquote, every byte from 127 on (so every non-ASCII character), the control characters and
// the space (the empty string too), [ \ ] ^ and { | }.
bool IsForbiddenUrlChar(std::string_view c);
bool IsForbiddenUrlChar(char32_t c);

struct CaretUrl {
    std::int32_t selStart;   // characters before the URL
    std::int32_t selLength;  // characters of the URL
    std::string url;
};

// The URL that holds a bare caret with selStart characters before it: the run of allowed
// characters around the caret, when it begins with "http://", "https://", "ftp://" or
// "mailto:". Nothing for a selection, for a caret next to a forbidden character or at either end
// of the text, and for a caret just before the last character of a URL that ends the text.
std::optional<CaretUrl> UrlAtCaret(std::string_view text, std::int64_t selStart,
                                   std::int64_t selLength);

struct HttpRun {
    std::int32_t start;   // characters before the run
    std::int32_t length;  // characters from its "h" up to the first forbidden character
};

// The first "http://" run of the text. An "http://" that ends with the text's last character
// does not count.
std::optional<HttpRun> FirstHttpRun(std::string_view text);

}  // namespace UrlRecognition
