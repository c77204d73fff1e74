#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMimeData;

// Replaceable hooks of the modal and outside services, so tests answer them instead of
// blocking. Each setter returns the hook it replaces; an empty hook restores the real service.
// Message boxes go through fw::SetMsgBoxHook of framework/core/MsgBox.h.
namespace fw {

class FolderItem;
class SaveAsDialog;
class Window;

// Answers a save dialog: the chosen item, or nil for a cancel. Real: QFileDialog.
using SaveDialogHook =
    std::function<std::shared_ptr<FolderItem>(const SaveAsDialog& dialog, Window* parent)>;
SaveDialogHook SetSaveDialogHook(SaveDialogHook hook);

// Opens a URL. Real: QDesktopServices::openUrl.
using ShowURLHook = std::function<void(const std::string& url)>;
ShowURLHook SetShowURLHook(ShowURLHook hook);

// Shows a context menu's rows ("-" a separator) and returns the index of the chosen row, or
// none when dismissed. Real: QMenu::exec at the mouse.
using ContextMenuHook = std::function<std::optional<int>(const std::vector<std::string>& rows)>;
ContextMenuHook SetContextMenuHook(ContextMenuHook hook);

// Answers IsContextualClick. Real: the button and modifiers of the mouse press being handled.
using ContextualClickHook = std::function<bool()>;
ContextualClickHook SetContextualClickHook(ContextualClickHook hook);

// Carries out a drag out of a control with its data. Real: QDrag::exec, which runs its own
// event loop until the drop.
using DragExecHook = std::function<void(const QMimeData& data)>;
DragExecHook SetDragExecHook(DragExecHook hook);

}  // namespace fw
