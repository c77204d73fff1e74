#pragma once

#include <QObject>

namespace fw {
class RectControl;
}

namespace fw::detail {

// Routes a control's widget events to its Event_ methods: presses (MouseDown; a consumed
// press also swallows its release and context-menu event), keys (KeyDown), focus changes
// (menus opening do not count) and drops.
class ControlEvents : public QObject {
public:
    ControlEvents(RectControl& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(QObject* watched, QEvent* event);
    bool Key(QEvent* event);
    bool Drag(QEvent* event);

    RectControl& control_;
    bool swallowRelease_ = false;
    bool swallowContextMenu_ = false;
};

}  // namespace fw::detail
