#include "framework/gui/Window.h"

#include <QApplication>
#include <QMenuBar>
#include <algorithm>
#include <map>

#include "framework/gui/Application.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/FileType.h"
#include "framework/gui/FolderItem.h"
#include "framework/gui/Menu_p.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/StaticText.h"
#include "framework/gui/WindowRegistry_p.h"
#include "framework/gui/WindowWidgets_p.h"
#include "framework/gui/detail/EventLoopTurn.h"
#include "framework/gui/detail/Text.h"

namespace fw {

Window::Window() {
    auto* top = new detail::WindowWidget(*this);
    top->setAttribute(Qt::WA_DeleteOnClose, false);
    content_ = new detail::ContentWidget(*this);
    top->setCentralWidget(content_);
    widget_ = top;
}

Window::~Window() {
    detail::ForgetActivated(this);
    // The subclass is gone already: nothing may reach its handlers while the controls go.
    for (auto& control : controls_) {
        if (auto* rect = dynamic_cast<RectControl*>(control.get())) rect->Detach();
    }
    // Last made, first gone: a control put on a panel goes before the panel.
    byName_.clear();
    while (!controls_.empty()) controls_.pop_back();
    static_cast<detail::WindowWidget*>(widget_)->ForgetWindow();
    static_cast<detail::ContentWidget*>(content_)->ForgetWindow();
    delete widget_;
}

void Window::Construct(const std::string& registeredName) {
    registeredName_ = registeredName;
    detail::AdoptWindow(this);
    open_ = true;
    Layout();
    CreateControls();
    AddMenuHandlers();
    ApplyTabOrder();
    // A canvas without a press handler of its own lets clicks through to the window.
    for (const auto& control : controls_) {
        auto* canvas = dynamic_cast<Canvas*>(control.get());
        if (canvas && !canvas->OnMouseDown)
            canvas->Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->Event_Open();
    Event_Open();
    if (open_ && settings_.Visible) Show();
}

void Window::ApplySettings(const WindowSettings& settings) {
    settings_ = settings;
    widget_->setWindowTitle(detail::ToQt(settings.Title));
    content_->setMinimumSize(settings.MinWidth, settings.MinHeight);
    content_->setMaximumSize(settings.MaxWidth, settings.MaxHeight);
    if (settings.HasBackColor) {
        QPalette palette = content_->palette();
        palette.setColor(QPalette::Window, QColor(settings.BackColor.Red, settings.BackColor.Green,
                                                  settings.BackColor.Blue));
        content_->setPalette(palette);
        content_->setAutoFillBackground(true);
    } else {
        content_->setAutoFillBackground(false);
    }
    widget_->setWindowFlag(Qt::WindowCloseButtonHint, settings.CloseButton);
    widget_->setWindowFlag(Qt::WindowMinimizeButtonHint, settings.MinimizeButton);
    widget_->setWindowFlag(Qt::WindowMaximizeButtonHint, settings.MaximizeButton);
    if (settings.MenuBarVisible) {
        if (Application* app = GetAppObject(); app && app->GetMenuBar())
            detail::InstallMenuBar(*app->GetMenuBar(), *widget_);
    }
    SetSize(settings.Width, settings.Height);
    if (!settings.Resizeable) {
        content_->setMinimumSize(settings.Width, settings.Height);
        content_->setMaximumSize(settings.Width, settings.Height);
    }
}

std::string Window::Title() const {
    return detail::FromQt(widget_->windowTitle());
}
void Window::SetTitle(const std::string& title) {
    settings_.Title = title;
    widget_->setWindowTitle(detail::ToQt(title));
}

int Window::Width() const {
    return content_->width();
}
int Window::Height() const {
    return content_->height();
}

void Window::SetSize(int width, int height) {
    width = std::clamp(width, settings_.MinWidth, settings_.MaxWidth);
    height = std::clamp(height, settings_.MinHeight, settings_.MaxHeight);
    const int barHeight = widget_->menuWidget() ? widget_->menuWidget()->sizeHint().height() : 0;
    widget_->resize(width, height + barHeight);
    content_->resize(width, height);
    ApplyLocks();
}

void Window::Show() {
    if (!open_) return;
    if (settings_.FullScreen)
        widget_->showFullScreen();
    else
        widget_->show();
    // show() leaves a minimized window minimized; asking for it again has to bring it back.
    if (widget_->isMinimized())
        widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    widget_->raise();
    widget_->activateWindow();
    detail::NoteActivated(this);
}

void Window::Close() {
    if (!open_) return;
    open_ = false;
    Event_Close();
    widget_->hide();
    detail::ForgetActivated(this);
}

void Window::UpdateNow() {
    detail::RunAllPendingWork();
    for (auto& control : controls_) {
        if (auto* label = dynamic_cast<StaticText*>(control.get())) label->FlushText();
    }
    // A control shown since the last paint has queued a request to paint it (Qt does so for
    // every widget it shows); taken before the repaint, it joins it instead of painting the
    // control a second time at the next turn of the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
    widget_->repaint();
}

void Window::AcceptFileDrop(const std::string& fileTypeName) {
    fileTypes_.push_back(fileTypeName);
    content_->setAcceptDrops(true);
}

void Window::AcceptTextDrop() {
    acceptText_ = true;
    content_->setAcceptDrops(true);
}

bool Window::AcceptsFile(const FolderItem& file) const {
    return std::any_of(fileTypes_.begin(), fileTypes_.end(), [&](const std::string& type) {
        return FileMatchesType(file.NativePath(), type);
    });
}

void Window::AddControl(std::unique_ptr<Control> control, const std::string& name) {
    control->name_ = name;
    byName_.emplace(name, control.get());
    controls_.push_back(std::move(control));
}

Control* Window::FindControl(const std::string& name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

void Window::ThrowWrongClass(const std::string& name) {
    throw NilObjectException("control " + name + " is not of the expected class");
}

RectControl* Window::FocusedControl() const {
    QWidget* focus = widget_->focusWidget();
    if (focusLent_ && qobject_cast<QMenuBar*>(focus)) return focusLent_;
    for (QWidget* w = focus; w; w = w->parentWidget()) {
        for (const auto& control : controls_) {
            auto* rect = dynamic_cast<RectControl*>(control.get());
            if (rect && rect->Widget() == w) return rect;
        }
        if (w == widget_) break;
    }
    return nullptr;
}

PushButton* Window::DefaultButton() const {
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button && button->Default()) return button;
    }
    return nullptr;
}

void Window::ApplyLocks() {
    for (auto& control : controls_) {
        if (auto* rect = dynamic_cast<RectControl*>(control.get()))
            rect->ApplyLocks(content_->width(), content_->height());
    }
}

void Window::ApplyTabOrder() {
    // Controls on the window first, then each page in turn, each group by its tab index.
    std::map<std::pair<const void*, int>, std::vector<RectControl*>> groups;
    for (const auto& control : controls_) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (!rect || !rect->TakesFocus()) continue;
        groups[{rect->Panel(), rect->Panel() ? rect->PanelIndex() : -1}].push_back(rect);
    }
    RectControl* previous = nullptr;
    for (auto& [key, group] : groups) {
        std::stable_sort(group.begin(), group.end(), [](RectControl* a, RectControl* b) {
            return a->TabIndex() < b->TabIndex();
        });
        for (RectControl* rect : group) {
            if (previous) rect->FollowInTabChain(*previous);
            previous = rect;
        }
    }
}

Window* RuntimeGetImplicitWindow(const std::string& registeredName) {
    for (const auto& window : detail::AllWindows()) {
        if (window->IsOpen() && window->RegisteredName() == registeredName) return window.get();
    }
    return nullptr;
}

Window* FrontWindow() {
    if (QWidget* active = QApplication::activeWindow()) {
        for (const auto& window : detail::AllWindows()) {
            if (window->IsOpen() && window->Widget() == active) return window.get();
        }
    }
    if (Window* last = detail::LastActivated()) return last;
    for (const auto& window : detail::AllWindows()) {
        if (window->IsOpen()) return window.get();
    }
    return nullptr;
}

std::vector<Window*> OpenWindows() {
    std::vector<Window*> open;
    for (const auto& window : detail::AllWindows()) {
        if (window->IsOpen()) open.push_back(window.get());
    }
    return open;
}

}  // namespace fw
