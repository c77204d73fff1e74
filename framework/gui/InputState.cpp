#include "framework/gui/InputState_p.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "framework/gui/Menu.h"
#include "framework/gui/Menu_p.h"

namespace fw::detail {
namespace {

bool contextualPress = false;
QPoint menuPlace;
Qt::KeyboardModifiers modifiers;

class ApplicationFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                RecordMousePress(mouse->button(), mouse->modifiers(),
                                 mouse->globalPosition().toPoint());
                break;
            }
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                RecordModifiers(static_cast<QKeyEvent*>(event)->modifiers());
                break;
            case QEvent::ShortcutOverride: {
                // Runs before Qt looks the shortcut up, so the items it finds are enabled
                // by the system's own rules of this moment.
                auto* key = static_cast<QKeyEvent*>(event);
                RecordModifiers(key->modifiers());
                if (IsMenuShortcut(*key)) RunMenuEnablingPass();
                break;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

// Ctrl with the left button is not contextual: it adds a row to a list's selection or takes it
// out.
void RecordMousePress(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint at) {
    modifiers = mods;
    contextualPress = button == Qt::RightButton;
    menuPlace = at;
}

void RecordContextKey(QPoint at) {
    contextualPress = true;
    menuPlace = at;
}

void RecordModifiers(Qt::KeyboardModifiers mods) {
    modifiers = mods;
}

bool LastPressWasContextual() {
    return contextualPress;
}

QPoint ContextMenuPlace() {
    return menuPlace;
}

Qt::KeyboardModifiers LastModifiers() {
    return modifiers;
}

void InstallApplicationFilter() {
    static ApplicationFilter* filter = nullptr;
    if (filter || !QCoreApplication::instance()) return;
    filter = new ApplicationFilter;
    filter->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace fw::detail
