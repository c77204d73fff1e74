#include "framework/gui/ControlEvents_p.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWidget>

#include "framework/gui/Control.h"
#include "framework/gui/DragItemMime_p.h"
#include "framework/gui/FileType.h"
#include "framework/gui/FolderItem.h"
#include "framework/gui/InputState_p.h"
#include "framework/gui/ListView_p.h"
#include "framework/gui/Listbox.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/Drops.h"
#include "framework/gui/detail/Keys.h"

namespace fw::detail {
namespace {

DropOffer ControlDrop(RectControl& control, const QMimeData& data) {
    // Files the window accepts reach a control under the drop that takes them as well; one that
    // takes nothing the drop offers refuses it, so its source sees the drag refused.
    return OfferOf(data, control.AcceptsTextDrop(), [&control](const std::string& path) {
        for (const auto& type : control.AcceptedFileTypes()) {
            if (FileMatchesType(path, type)) return true;
        }
        return control.TakesWindowFileDrops() && control.Owner().AcceptsFile(FolderItem(path));
    });
}

}  // namespace

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return Press(watched, event);
        case QEvent::MouseButtonRelease:
            // A context menu opened by the press takes its release, so only a release of the same
            // button is the press's own; the next click is the user's.
            if (static_cast<QMouseEvent*>(event)->button() != swallowRelease_) return false;
            swallowRelease_ = Qt::NoButton;
            return true;
        case QEvent::ContextMenu:
            event->accept();
            return true;
        case QEvent::KeyPress:
            return watched == control_.Widget() ? Key(event) : false;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            auto* focus = static_cast<QFocusEvent*>(event);
            if (watched != control_.Widget() || focus->reason() == Qt::PopupFocusReason)
                return false;
            if (focus->reason() == Qt::MenuBarFocusReason) {
                if (event->type() == QEvent::FocusOut) KeepFocusThroughMenuBar();
                return false;
            }
            RectControl& control = control_;
            if (event->type() == QEvent::FocusIn)
                Dispatch([&] { control.Event_GotFocus(); });
            else
                Dispatch([&] { control.Event_LostFocus(); });
            return false;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            // Controls that declared no drops keep what their widget does by itself (a text
            // field takes dropped text).
            if (!control_.DeclaresDrops()) return false;
            return Drag(event);
        default:
            return false;
    }
}

// Alt, or Escape out of a menu, lends the keyboard to the menu bar so the user can walk its menus
// with the keys; the bar gives it back when the user is done. Until then this control keeps the
// focus, as the system knows it, and loses it only when the keyboard goes somewhere else.
void ControlEvents::KeepFocusThroughMenuBar() {
    if (menuBarLoan_) return;
    control_.Owner().SetFocusLentToMenuBar(&control_);
    menuBarLoan_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && (qobject_cast<QMenuBar*>(now) || now->window()->windowType() == Qt::Popup))
            return;
        disconnect(menuBarLoan_);
        menuBarLoan_ = {};
        control_.Owner().SetFocusLentToMenuBar(nullptr);
        if (now == control_.Widget()) return;
        RectControl& control = control_;
        Dispatch([&] { control.Event_LostFocus(); });
    });
}

bool ControlEvents::Press(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* source = qobject_cast<QWidget*>(watched);
    QWidget* widget = control_.Widget();
    if (!source || !widget) return false;
    const QPoint at = source->mapTo(widget->window(), mouse->position().toPoint()) -
                      widget->mapTo(widget->window(), QPoint(0, 0));
    bool consumed = false;
    RectControl& control = control_;
    Dispatch([&] { consumed = control.Event_MouseDown(at.x(), at.y()); });
    swallowRelease_ = consumed ? mouse->button() : Qt::NoButton;
    return consumed;
}

bool ControlEvents::Key(QEvent* event) {
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (IsContextKey(*keyEvent)) {
        ContextKey();
        return true;
    }
    const auto key = KeyString(*keyEvent);
    if (!key) return false;
    bool consumed = false;
    RectControl& control = control_;
    Dispatch([&] { consumed = control.Event_KeyDown(*key); });
    if (!consumed) Dispatch([&] { consumed = control.HandleUnconsumedKey(*key); });
    return consumed;
}

// A contextual click from the keyboard, at the caret or else in the middle of the control.
void ControlEvents::ContextKey() {
    QWidget* widget = control_.Widget();
    QPoint at = widget->rect().center();
    const QRect caret = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    if (caret.isValid() && widget->rect().contains(caret.center())) at = caret.center();
    RecordContextKey(widget->mapToGlobal(at));
    RectControl& control = control_;
    Dispatch([&] { control.Event_MouseDown(at.x(), at.y()); });
}

bool ControlEvents::Drag(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()) return true;
    const DropOffer offer = ControlDrop(control_, *drop->mimeData());
    if (offer.Empty()) {
        drop->ignore();
        return true;
    }
    // Taken as a move, the source would delete what the drop carries (an editor its text).
    if (!AcceptAsCopy(*drop)) drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        RectControl& control = control_;
        // Rows dragged within their own list move there when the list allows reordering; the
        // drop is raised all the same.
        auto* list = dynamic_cast<Listbox*>(&control);
        if (list && list->EnableDragReorder() && drop->source() == list->View()) {
            const QModelIndex at = list->View()->indexAt(drop->position().toPoint());
            const int before = at.isValid() ? at.row() : list->ListCount();
            Dispatch([&] { list->MoveSelectedRows(before); });
        }
        const int action = static_cast<int>(drop->dropAction());
        Dispatch([&] {
            DragItem drag = DragOf(offer);
            control.Event_DropObject(drag, action);
        });
    }
    return true;
}

}  // namespace fw::detail
