#include "framework/gui/detail/InputState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "framework/gui/Menu.h"
#include "framework/gui/detail/MenuInstall.h"

namespace fw::detail {
namespace {

bool contextualPress = false;
Qt::KeyboardModifiers modifiers;

// The Control key of the keyboard: Qt calls it Meta on a Mac, where Ctrl is Command.
#ifdef Q_OS_MACOS
constexpr Qt::KeyboardModifier kControlKey = Qt::MetaModifier;
#else
constexpr Qt::KeyboardModifier kControlKey = Qt::ControlModifier;
#endif

class ApplicationFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                RecordMousePress(mouse->button(), mouse->modifiers());
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

void RecordMousePress(Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    modifiers = mods;
    contextualPress =
        button == Qt::RightButton || (button == Qt::LeftButton && (mods & kControlKey));
}

void RecordModifiers(Qt::KeyboardModifiers mods) {
    modifiers = mods;
}

bool LastPressWasContextual() {
    return contextualPress;
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
