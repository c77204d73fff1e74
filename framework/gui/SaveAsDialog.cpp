#include "framework/gui/SaveAsDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QStandardPaths>

#include "framework/gui/FolderItem.h"
#include "framework/gui/Hooks_p.h"
#include "framework/gui/Window.h"
#include "framework/gui/detail/Text.h"

namespace fw {

std::string SaveAsDialog::StartFolder() const {
    if (InitialDirectory && InitialDirectory->Directory()) return InitialDirectory->NativePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists()) return detail::FromQt(documents);
    return detail::FromQt(QDir::homePath());
}

std::shared_ptr<FolderItem> SaveAsDialog::ShowModalWithin(Window* parent) const {
    if (auto& hook = detail::Hooks().saveDialog) return hook(*this, parent);
    QFileDialog dialog(parent ? parent->Widget() : nullptr);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowTitle(detail::ToQt(Title.empty() ? PromptText : Title));
    dialog.setLabelText(QFileDialog::FileName, detail::ToQt(PromptText));
    dialog.setDirectory(detail::ToQt(StartFolder()));
    dialog.selectFile(detail::ToQt(SuggestedFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return nullptr;
    return std::make_shared<FolderItem>(detail::FromQt(dialog.selectedFiles().front()));
}

}  // namespace fw
