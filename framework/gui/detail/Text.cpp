#include "framework/gui/detail/Text.h"

#include "framework/core/Utf8.h"

namespace fw::detail {

namespace {

// Copies the runs between line ends whole, a pasted list of a million lines crossing here;
// every character of `ends` ends a line, CR LF counting as one end, and the end becomes `to`.
std::string ReplaceLineEnds(std::string_view text, std::string_view ends, char to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        // A single end is found with memchr rather than a character-by-character scan.
        const std::size_t end =
            ends.size() == 1 ? text.find(ends[0], start) : text.find_first_of(ends, start);
        if (end == std::string_view::npos) {
            out.append(text, start);
            break;
        }
        out.append(text, start, end - start);
        out.push_back(to);
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return out;
}

}  // namespace

std::string ToSystemLineEnds(std::string_view text) {
    return ReplaceLineEnds(text, "\r\n", '\r');
}

std::string ToPlatformLineEnds(std::string_view text) {
    return ReplaceLineEnds(text, "\r", '\n');
}

std::string FromQtText(const QString& s) {
    QString copy = s;
    copy.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    copy.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return ToSystemLineEnds(FromQt(copy));
}

QString ToQtText(std::string_view utf8) {
    return ToQt(ToPlatformLineEnds(utf8));
}

int CodePointsBefore(const QString& s, int utf16Index) {
    if (utf16Index > s.size()) utf16Index = static_cast<int>(s.size());
    int count = 0;
    for (int i = 0; i < utf16Index; ++i) {
        if (!s.at(i).isLowSurrogate() || i == 0 || !s.at(i - 1).isHighSurrogate()) ++count;
    }
    return count;
}

int Utf16IndexOf(const QString& s, int codePoints) {
    int i = 0;
    const int n = static_cast<int>(s.size());
    for (int seen = 0; i < n && seen < codePoints; ++seen) {
        if (s.at(i).isHighSurrogate() && i + 1 < n && s.at(i + 1).isLowSurrogate())
            i += 2;
        else
            ++i;
    }
    return i;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        // A byte that starts no well-formed sequence (overlong, surrogate, past U+10FFFF,
        // cut short) counts as a character of its own.
        const std::size_t length = utf8::CharLength(bytes, i);
        if (length == 1) return false;
        i += length;
    }
    return true;
}

}  // namespace fw::detail
