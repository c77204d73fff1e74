#include "framework/gui/EditFieldMenu_p.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/core/Strings.h"
#include "framework/gui/Clipboard.h"
#include "framework/gui/EditField.h"
#include "framework/gui/Menu.h"

namespace fw::detail {
namespace {

enum class Command { Undo, Cut, Copy, Paste, Clear };

struct StandardItem {
    const char* name;
    Command command;
};

constexpr StandardItem kStandardItems[] = {
    {"EditUndo", Command::Undo},   {"EditCut", Command::Cut},     {"EditCopy", Command::Copy},
    {"EditPaste", Command::Paste}, {"EditClear", Command::Clear},
};

bool HasSelection(const EditField& field) {
    if (QLineEdit* line = field.LineWidget()) return line->hasSelectedText();
    return field.PlainWidget()->textCursor().hasSelection();
}

// The same conditions as the widget's own keys: a read-only field neither undoes nor changes.
bool Allowed(const EditField& field, Command command) {
    switch (command) {
        case Command::Undo:
            if (field.ReadOnly()) return false;
            if (QLineEdit* line = field.LineWidget()) return line->isUndoAvailable();
            return field.PlainWidget()->document()->isUndoAvailable();
        case Command::Cut:
        case Command::Clear:
            return HasSelection(field) && !field.ReadOnly();
        case Command::Copy:
            return HasSelection(field);
        case Command::Paste:
            return !field.ReadOnly() && Clipboard().TextAvailable();
    }
    return false;
}

void Perform(EditField& field, Command command) {
    QLineEdit* line = field.LineWidget();
    QPlainTextEdit* plain = field.PlainWidget();
    switch (command) {
        case Command::Undo:
            line ? line->undo() : plain->undo();
            break;
        case Command::Cut:
            line ? line->cut() : plain->cut();
            break;
        case Command::Copy:
            line ? line->copy() : plain->copy();
            break;
        case Command::Paste:
            line ? line->paste() : plain->paste();
            break;
        case Command::Clear:
            if (line) {
                line->del();
            } else {
                QTextCursor cursor = plain->textCursor();
                cursor.removeSelectedText();
                plain->setTextCursor(cursor);
            }
            break;
    }
}

}  // namespace

void EnableStandardEditItems(const EditField& field, const MenuBar& bar) {
    for (const StandardItem& item : kStandardItems) {
        if (!Allowed(field, item.command)) continue;
        if (MenuItemRef entry = bar.Lookup(item.name)) entry->Enable();
    }
}

bool PerformStandardEditItem(EditField& field, const std::string& itemName) {
    for (const StandardItem& item : kStandardItems) {
        // Names match as handlers' names do.
        if (!StrEq(item.name, itemName)) continue;
        if (!Allowed(field, item.command)) return false;
        Perform(field, item.command);
        return true;
    }
    return false;
}

}  // namespace fw::detail
