#include "framework/gui/detail/Text.h"

namespace fw::detail {

// Both copy the runs between line ends whole; a pasted list of a million lines crosses here.
std::string ToSystemLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            out.append(text, start);
            break;
        }
        out.append(text, start, end - start);
        out.push_back('\r');
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return out;
}

std::string ToPlatformLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\r', start);
        if (end == std::string_view::npos) {
            out.append(text, start);
            break;
        }
        out.append(text, start, end - start);
        out.push_back('\n');
        start = end + 1;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return out;
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
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len;
        unsigned int cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (i + len > n) return false;
        for (std::size_t k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i + k] & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

}  // namespace fw::detail
