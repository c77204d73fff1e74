#pragma once

#include <QMainWindow>
#include <QWidget>

namespace fw {
class Window;
}

namespace fw::detail {

// The top-level widget of a window: reports closing and activation to its window.
class WindowWidget : public QMainWindow {
public:
    explicit WindowWidget(Window& window) : window_(&window) {}
    void ForgetWindow() { window_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    Window* window_;
};

// The content area: the controls stand in it at their pixel places; presses that no control
// takes, and drops outside the controls that take drops, reach the window here (drops only when
// the window has a handler for them).
class ContentWidget : public QWidget {
public:
    explicit ContentWidget(Window& window);
    void ForgetWindow() { window_ = nullptr; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Window* window_;
};

}  // namespace fw::detail
