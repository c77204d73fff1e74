#pragma once

namespace fw::detail {

// Installs Qt's own translations (qtbase) for the default locale, the user's unless set
// otherwise, in place of any installed before: the toolkit's standard texts, the save dialog's
// buttons among them, then speak the user's language. Without a translation for it, Qt's
// English texts stay.
void InstallQtTranslations();

}  // namespace fw::detail
