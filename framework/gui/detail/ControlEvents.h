#pragma once

#include <QObject>

namespace fw {
class RectControl;
}

namespace fw::detail {

// Routes a control's widget events to its Event_ methods: presses (MouseDown; a consumed
// press also swallows its release and context-menu event), keys (KeyDown), focus changes
// (menus opening and the menu bar's keyboard navigation do not count) and drops.
class ControlEvents : public QObject {
public:
    ControlEvents(RectControl& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(QObject* watched, QEvent* event);
    bool Key(QEvent* event);
    bool Drag(QEvent* event);
    void KeepFocusThroughMenuBar();

    RectControl& control_;
    bool swallowRelease_ = false;
    bool swallowContextMenu_ = false;
    QMetaObject::Connection menuBarLoan_;
};

}  // namespace fw::detail
