#pragma once

#include <QString>
#include <string>
#include <string_view>

// Conversions at the edge between the system's text (UTF-8, CR line ends, positions in code
// points) and Qt's (UTF-16, LF line ends).
namespace fw::detail {

inline QString ToQt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string FromQt(const QString& s) {
    return s.toUtf8().toStdString();
}

// CR LF and LF become CR.
std::string ToSystemLineEnds(std::string_view text);
// CR LF and CR become LF.
std::string ToPlatformLineEnds(std::string_view text);

// LF and CR LF back to CR, UTF-16 to UTF-8; every other character stays as it is (U+2028 is a
// character of the text, not a line end).
std::string FromQtText(const QString& s);
// CR to LF, UTF-8 to UTF-16.
QString ToQtText(std::string_view utf8);

// Positions: code points before a UTF-16 index, and the UTF-16 index of a code point.
int CodePointsBefore(const QString& s, int utf16Index);
int Utf16IndexOf(const QString& s, int codePoints);

// Whether the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace fw::detail
