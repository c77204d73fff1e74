#include "framework/gui/detail/Keys.h"

#include <QKeyEvent>

#include "framework/gui/detail/Text.h"

namespace fw::detail {

std::optional<std::string> KeyString(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
            return std::string(1, '\r');
        case Qt::Key_Enter:
            return std::string(1, '\x03');
        case Qt::Key_Backspace:
            return std::string(1, '\x08');
        case Qt::Key_Delete:
            return std::string(1, '\x7f');
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return std::string(1, '\t');
        case Qt::Key_Escape:
            return std::string(1, '\x1b');
        case Qt::Key_Left:
            return std::string(1, '\x1c');
        case Qt::Key_Right:
            return std::string(1, '\x1d');
        case Qt::Key_Up:
            return std::string(1, '\x1e');
        case Qt::Key_Down:
            return std::string(1, '\x1f');
        case Qt::Key_Home:
            return std::string(1, '\x01');
        case Qt::Key_End:
            return std::string(1, '\x04');
        case Qt::Key_PageUp:
            return std::string(1, '\x0b');
        case Qt::Key_PageDown:
            return std::string(1, '\x0c');
        default:
            break;
    }
    const int key = event.key();
    // With Command (Ctrl) the event's text is a control code; the handlers want the letter.
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        const char base = (event.modifiers() & Qt::ShiftModifier) ? 'A' : 'a';
        return std::string(1, static_cast<char>(base + (key - Qt::Key_A)));
    }
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) return std::nullopt;
    return FromQt(text);
}

bool IsContextKey(const QKeyEvent& event) {
    const auto mods = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Menu && mods == Qt::NoModifier) ||
           (event.key() == Qt::Key_F10 && mods == Qt::ShiftModifier);
}

}  // namespace fw::detail
