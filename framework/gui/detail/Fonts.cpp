#include "framework/gui/detail/Fonts.h"

#include <QApplication>
#include <QFontDatabase>

#include "framework/core/Strings.h"
#include "framework/gui/detail/Text.h"

namespace fw::detail {

QString JapaneseFamily() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* candidate : {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP", "Osaka"}) {
            if (families.contains(QLatin1String(candidate))) return QString::fromLatin1(candidate);
        }
        return QApplication::font().family();
    }();
    return family;
}

QFont MakeFont(const std::string& family, int size, bool bold, bool italic, bool underline) {
    QFont font = QApplication::font();
    if (fw::StrEq(family, "Osaka")) {
        font.setFamily(JapaneseFamily());
    } else if (!family.empty() && !fw::StrEq(family, "System")) {
        font.setFamily(ToQt(family));
    }
    if (size > 0) font.setPixelSize(size);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

}  // namespace fw::detail
