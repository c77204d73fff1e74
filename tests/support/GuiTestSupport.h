#pragma once

#include <QPoint>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/gui/Hooks.h"
#include "tests/support/MsgBoxRecorder.h"

class QWidget;
class QMimeData;
class QAbstractItemView;

// Support for GUI tests. The library's main() creates one QApplication on the offscreen
// platform through fw::RuntimeInit and runs every test; the recorders below answer the modal
// services while they live and put back the previous hooks when they go.
namespace fwtest {

// Answers save dialogs with a path (or a cancel when none) and records what they asked.
class SaveDialogAnswer {
public:
    explicit SaveDialogAnswer(std::optional<std::string> path);
    ~SaveDialogAnswer();
    struct Asked {
        std::string prompt, suggestedName, startFolder;
    };
    const std::vector<Asked>& Dialogs() const { return *asked_; }

private:
    std::shared_ptr<std::vector<Asked>> asked_;
    fw::SaveDialogHook previous_;
};

// Records the URLs that ShowURL was asked to open.
class ShowURLRecorder {
public:
    ShowURLRecorder();
    ~ShowURLRecorder();
    const std::vector<std::string>& Urls() const { return *urls_; }

private:
    std::shared_ptr<std::vector<std::string>> urls_;
    fw::ShowURLHook previous_;
};

// Chooses the row with the given text when a context menu opens (none: dismisses it) and
// records the rows each menu offered ("-" for a separator).
class ContextMenuChooser {
public:
    explicit ContextMenuChooser(std::optional<std::string> choice);
    ~ContextMenuChooser();
    void Choose(std::optional<std::string> choice) { *choice_ = std::move(choice); }
    const std::vector<std::vector<std::string>>& Menus() const { return *menus_; }

private:
    std::shared_ptr<std::optional<std::string>> choice_;
    std::shared_ptr<std::vector<std::vector<std::string>>> menus_;
    fw::ContextMenuHook previous_;
};

// Records the data of drags out instead of running QDrag::exec.
class DragRecorder {
public:
    DragRecorder();
    ~DragRecorder();
    struct Drag {
        QString text;
        QString uriList;
    };
    const std::vector<Drag>& Drags() const { return *drags_; }

private:
    std::shared_ptr<std::vector<Drag>> drags_;
    fw::DragExecHook previous_;
};

// Delivers a drop as the window system would: a real QDragEnterEvent, QDragMoveEvent and
// QDropEvent on the widget at the point. Returns whether the widget accepted the drop.
bool Drop(QWidget* target, QPoint at, const QMimeData& data);

// Presses the left button on a row of a list view and moves the mouse far enough to start a
// drag, through real mouse events.
void DragRowOut(QAbstractItemView* view, int row);

// A press of the right button at a point of a widget (a contextual click) and its release.
void RightClick(QWidget* target, QPoint at);
// A press of the right button alone: a real context menu opened by it takes the release.
void RightPress(QWidget* target, QPoint at);

// Lets the event loop handle what is pending, including deferred work.
void ProcessEvents();

// Checks the model of a view with Qt's own QAbstractItemModelTester for as long as the model
// lives: every row notification and reset is checked against the rows the model reports, and a
// fault ends the test program with Qt's reason.
void CheckModel(QAbstractItemView* view);
// Ends that check: it walks every row at every notification, more than a test can wait for
// once the list holds millions.
void StopCheckingModel(QAbstractItemView* view);

}  // namespace fwtest
