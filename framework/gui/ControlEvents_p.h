#pragma once

#include <QObject>

namespace fw {
class RectControl;
}

namespace fw::detail {

// Routes a control's widget events to its Event_ methods: presses (MouseDown; a consumed
// press also swallows its release), the Menu key and Shift+F10 (MouseDown as a contextual click),
// keys (KeyDown), focus changes (menus opening and the menu bar's keyboard navigation do not
// count) and drops. Qt's own context menus never show: the system opens its menus on MouseDown.
class ControlEvents : public QObject {
public:
    ControlEvents(RectControl& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(QObject* watched, QEvent* event);
    bool Key(QEvent* event);
    void ContextKey();
    bool Drag(QEvent* event);
    void KeepFocusThroughMenuBar();

    RectControl& control_;
    // The button of a press MouseDown consumed, until its release.
    Qt::MouseButton swallowRelease_ = Qt::NoButton;
    QMetaObject::Connection menuBarLoan_;
};

}  // namespace fw::detail
