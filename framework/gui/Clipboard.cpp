#include "framework/gui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "framework/gui/detail/Text.h"

namespace fw {

bool Clipboard::TextAvailable() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string Clipboard::Text() const {
    return detail::FromQtText(QGuiApplication::clipboard()->text());
}

void Clipboard::SetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(detail::ToQtText(text));
}

}  // namespace fw
