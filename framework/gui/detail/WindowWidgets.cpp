#include "framework/gui/detail/WindowWidgets.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include "framework/gui/FolderItem.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/DropSupport.h"
#include "framework/gui/detail/WindowRegistry.h"

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

DropOffer WindowDrop(Window* window, const QMimeData& data) {
    if (!window) return {};
    return OfferOf(data, window->AcceptsTextDrop(), [window](const std::string& path) {
        return window->AcceptsFile(FolderItem(path));
    });
}

}  // namespace

void ContentWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData() && !WindowDrop(window_, *event->mimeData()).Empty())
        event->acceptProposedAction();
}

void ContentWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData() && !WindowDrop(window_, *event->mimeData()).Empty())
        event->acceptProposedAction();
}

void ContentWidget::dropEvent(QDropEvent* event) {
    const DropOffer offer =
        event->mimeData() ? WindowDrop(window_, *event->mimeData()) : DropOffer();
    if (offer.Empty()) return;
    event->acceptProposedAction();
    Window* window = window_;
    const int action = static_cast<int>(event->dropAction());
    Dispatch([&] {
        DragItem drag = DragOf(offer);
        window->Event_DropObject(drag, action);
    });
}

}  // namespace fw::detail
