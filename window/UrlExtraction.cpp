#include "window/UrlExtraction.h"

namespace UrlExtraction {

bool IsTerminator(unsigned char c) {
    switch (c) {
        case ' ':
        case '\r':
        case '"':
        case '>':
        case '<':
        case ')':
        case '(':
        case '\n':
        case 23:
        case '\v':
        case ',':
        case '\t':
            return true;
        default:
            return c > 127;
    }
}

std::optional<Found> NextUrl(std::string_view text, std::size_t from) {
    if (from >= text.size()) return std::nullopt;
    const std::size_t start = text.find(kScheme, from);
    if (start == std::string_view::npos) return std::nullopt;
    // A URL always holds its whole scheme, so an "http://" inside its query stays part of it.
    std::size_t end = start + kScheme.size();
    while (end < text.size() && !IsTerminator(static_cast<unsigned char>(text[end]))) ++end;
    return Found{start, end - start};
}

}  // namespace UrlExtraction
