#include "framework/gui/detail/Text.h"

#include "framework/core/Utf8.h"

namespace fw::detail {

// Both directions copy the runs between line ends whole and find the ends with memchr: a pasted
// list of a million lines crosses here.
std::string ToSystemLineEnds(std::string_view text) {
    // A CR is already the system's line end, so only LF needs work: after a CR it is dropped
    // (CR LF), alone it becomes a CR.
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t lf; (lf = text.find('\n', start)) != std::string_view::npos; start = lf + 1) {
        out.append(text, start, lf - start);
        if (lf == 0 || text[lf - 1] != '\r') out.push_back('\r');
    }
    out.append(text, start);
    return out;
}

std::string ToPlatformLineEnds(std::string_view text) {
    // CR and CR LF become LF; an LF alone is already the platform's.
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t cr; (cr = text.find('\r', start)) != std::string_view::npos;) {
        out.append(text, start, cr - start);
        out.push_back('\n');
        start = cr + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    out.append(text, start);
    return out;
}

// The line-end conversion makes the one copy, straight out of Qt's UTF-8.
std::string FromQtText(const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    return ToSystemLineEnds(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
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
