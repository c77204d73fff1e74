#include "framework/gui/Services.h"

#include <QDesktopServices>
#include <QUrl>

#include "framework/core/MsgBox.h"
#include "framework/gui/Hooks_p.h"
#include "framework/gui/InputState_p.h"
#include "framework/gui/detail/GuiTexts.h"
#include "framework/gui/detail/Text.h"

namespace fw {

void ShowURL(const std::string& url) {
    if (auto& hook = detail::Hooks().showURL) {
        hook(url);
        return;
    }
    // Without a browser Qt only writes a line to stderr; the user who chose the item is told.
    if (!QDesktopServices::openUrl(QUrl(detail::ToQt(url))))
        MsgBox(detail::texts::NoWebBrowser(url));
}

bool IsContextualClick() {
    if (auto& hook = detail::Hooks().contextualClick) return hook();
    return detail::LastPressWasContextual();
}

namespace Keyboard {
bool AsyncCommandKey() {
    return detail::LastModifiers() & Qt::ControlModifier;
}
}  // namespace Keyboard

}  // namespace fw
