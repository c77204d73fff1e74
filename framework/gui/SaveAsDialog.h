#pragma once

#include <memory>
#include <string>

namespace fw {

class FolderItem;
class Window;

// The save dialog. It opens in InitialDirectory where that folder exists, else in the user's
// Documents folder. Goes through the save-dialog hook (see Hooks.h).
class SaveAsDialog {
public:
    std::shared_ptr<FolderItem> InitialDirectory;
    std::string PromptText;
    std::string SuggestedFileName;
    std::string Title;

    // The folder the dialog actually opens in.
    std::string StartFolder() const;

    // The chosen item, nil when the user cancels.
    std::shared_ptr<FolderItem> ShowModalWithin(Window* parent) const;
};

}  // namespace fw
