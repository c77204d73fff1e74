#pragma once

#include <QFont>
#include <string>

namespace fw::detail {

// The font for a family and size as the system names them: "Osaka" is the installed Japanese
// font, "System" the default UI font; size 0 keeps the default size, any other is in pixels.
QFont MakeFont(const std::string& family, int size, bool bold, bool italic, bool underline);

// The family that stands in for "Osaka".
QString JapaneseFamily();

}  // namespace fw::detail
