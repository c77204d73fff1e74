#include "framework/gui/WindowWidgets_p.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include "framework/gui/Control.h"
#include "framework/gui/DragItemMime_p.h"
#include "framework/gui/FolderItem.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/WindowRegistry_p.h"

namespace fw::detail {

void WindowWidget::closeEvent(QCloseEvent* event) {
    event->accept();
    if (window_ && window_->IsOpen()) {
        Window* window = window_;
        Dispatch([window] { window->Close(); });
    }
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && window_ && window_->IsOpen())
        NoteActivated(window_);
    return QMainWindow::event(event);
}

ContentWidget::ContentWidget(Window& window) : window_(&window) {}

void ContentWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (window_) window_->ApplyLocks();
}

void ContentWidget::mousePressEvent(QMouseEvent* event) {
    if (!window_) return;
    Window* window = window_;
    const QPoint at = event->position().toPoint();
    Dispatch([&] { window->Event_MouseDown(at.x(), at.y()); });
}

namespace {

// A drop over a control that takes drops is the control's: what the control refuses, the window
// behind it does not take, so the drag's source sees it refused.
bool OverControlTakingDrops(const Window& window, const QWidget& content, QPoint at) {
    for (const QWidget* w = content.childAt(at); w && w != &content; w = w->parentWidget()) {
        for (const auto& control : window.Controls()) {
            const auto* rect = dynamic_cast<const RectControl*>(control.get());
            if (rect && rect->Widget() == w) return rect->DeclaresDrops();
        }
    }
    return false;
}

// What the window itself takes of a drop: nothing without a handler, so that the source of a
// drop nobody reads (an editor moving its text) keeps it.
DropOffer WindowDrop(Window* window, const QWidget& content, const QDropEvent& event) {
    if (!window || !window->OnDropObject || !event.mimeData() ||
        OverControlTakingDrops(*window, content, event.position().toPoint()))
        return {};
    return OfferOf(*event.mimeData(), window->AcceptsTextDrop(), [window](const std::string& path) {
        return window->AcceptsFile(FolderItem(path));
    });
}

}  // namespace

void ContentWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!WindowDrop(window_, *this, *event).Empty()) event->acceptProposedAction();
}

void ContentWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (!WindowDrop(window_, *this, *event).Empty()) event->acceptProposedAction();
}

void ContentWidget::dropEvent(QDropEvent* event) {
    const DropOffer offer = WindowDrop(window_, *this, *event);
    if (offer.Empty()) return;
    event->acceptProposedAction();
    Window* window = window_;
    const int action = static_cast<int>(event->dropAction());
    Dispatch([&] {
        DragItem drag = DragOf(offer);
        window->OnDropObject(drag, action);
    });
}

}  // namespace fw::detail
