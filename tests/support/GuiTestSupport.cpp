#include "tests/support/GuiTestSupport.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include "framework/gui/FolderItem.h"
#include "framework/gui/SaveAsDialog.h"

namespace fwtest {

SaveDialogAnswer::SaveDialogAnswer(std::optional<std::string> path)
    : asked_(std::make_shared<std::vector<Asked>>()) {
    previous_ = fw::SetSaveDialogHook(
        [asked = asked_, path](const fw::SaveAsDialog& dialog,
                               fw::Window*) -> std::shared_ptr<fw::FolderItem> {
            asked->push_back({dialog.PromptText, dialog.SuggestedFileName, dialog.StartFolder()});
            if (!path) return nullptr;
            return std::make_shared<fw::FolderItem>(*path);
        });
}
SaveDialogAnswer::~SaveDialogAnswer() {
    fw::SetSaveDialogHook(previous_);
}

ShowURLRecorder::ShowURLRecorder() : urls_(std::make_shared<std::vector<std::string>>()) {
    previous_ =
        fw::SetShowURLHook([urls = urls_](const std::string& url) { urls->push_back(url); });
}
ShowURLRecorder::~ShowURLRecorder() {
    fw::SetShowURLHook(previous_);
}

ContextMenuChooser::ContextMenuChooser(std::optional<std::string> choice)
    : choice_(std::make_shared<std::optional<std::string>>(std::move(choice))),
      menus_(std::make_shared<std::vector<std::vector<std::string>>>()) {
    previous_ =
        fw::SetContextMenuHook([choice = choice_, menus = menus_](
                                   const std::vector<std::string>& rows) -> std::optional<int> {
            menus->push_back(rows);
            if (!*choice) return std::nullopt;
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (rows[i] == **choice) return static_cast<int>(i);
            }
            return std::nullopt;
        });
}
ContextMenuChooser::~ContextMenuChooser() {
    fw::SetContextMenuHook(previous_);
}

DragRecorder::DragRecorder() : drags_(std::make_shared<std::vector<Drag>>()) {
    previous_ = fw::SetDragExecHook([drags = drags_](const QMimeData& data) {
        drags->push_back(
            {data.text(), QString::fromUtf8(data.data(QStringLiteral("text/uri-list")))});
    });
}
DragRecorder::~DragRecorder() {
    fw::SetDragExecHook(previous_);
}

bool Drop(QWidget* target, QPoint at, const QMimeData& data) {
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted()) return false;
    QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

void DragRowOut(QAbstractItemView* view, int row) {
    QWidget* viewport = view->viewport();
    const QPoint start = view->visualRect(view->model()->index(row, 0)).center();
    const QPoint end = start + QPoint(0, QApplication::startDragDistance() * 3);
    QMouseEvent press(QEvent::MouseButtonPress, start, viewport->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent move(QEvent::MouseMove, end, viewport->mapToGlobal(end), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, end, viewport->mapToGlobal(end), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

void RightClick(QWidget* target, QPoint at) {
    QTest::mousePress(target, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(target, Qt::RightButton, Qt::NoModifier, at);
}

void RightPress(QWidget* target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void CheckModel(QAbstractItemView* view) {
    QAbstractItemModel* model = view->model();
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::Fatal,
                                 model);
}

void StopCheckingModel(QAbstractItemView* view) {
    delete view->model()->findChild<QAbstractItemModelTester*>();
}

}  // namespace fwtest
