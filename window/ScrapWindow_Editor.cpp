// The editor page: saving the editor's text, clearing it, and the edit context menu of the
// editor and the memo field.
#include <memory>
#include <string>

#include "engine/myglobal.h"
#include "framework/core/MsgBox.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/FolderItem.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/SaveAsDialog.h"
#include "framework/gui/TextOutputStream.h"
#include "window/EditCMenu.h"
#include "window/ScrapWindow.h"
#include "window/ScrapWindowTexts.h"
#include "window/allEditfield.h"
#include "window/myglobal_EditMenu.h"
#include "window/urlEditfield.h"

void ScrapWindow::InstallEditorHandlers() {
    EditField2().OnMouseDown = [this](int x, int y) { return EditField2_MouseDown(x, y); };
    BevelButton3().OnAction = [this] { BevelButton3_Action(); };
    PushButton1().OnAction = [this] { PushButton1_Action(); };
    BevelButton11().OnAction = [this] { BevelButton11_Action(); };
    EditField1().OnMouseDown = [this](int x, int y) { return EditField1_MouseDown(x, y); };
}

namespace {

void ReportSaveFailure(const std::string& reason) {
    fw::MsgBox(std::string(ScrapWindowTexts::kSaveFailed) + myglobal::CL + reason);
}

}  // namespace

void ScrapWindow::BevelButton3_Action() {
    // A generated text still going in is saved whole, not as far as it has come.
    editorFill_->Finish();
    if (EditField2().TextEmpty()) return;

    fw::SaveAsDialog dialog;
    const auto root = fw::Volume(0);
    if (!root) throw fw::NilObjectException("no volume 0");
    dialog.InitialDirectory = root->Child(ScrapWindowTexts::kSaveFolder);
    dialog.PromptText = ScrapWindowTexts::kSavePrompt;
    dialog.SuggestedFileName = ScrapWindowTexts::kSaveSuggestedName;
    const auto file = dialog.ShowModalWithin(this);
    if (!file) return;

    // Everything goes to a temporary file that replaces the chosen one only when it was all
    // written, so a failure leaves an existing file as it was, codes included; the user is
    // told, rather than left to take a missing file for a saved one.
    const auto stream = file->CreateTextFile();
    if (!stream) {
        ReportSaveFailure(file->LastErrorMessage());
        return;
    }
    file->SetMacCreator(ScrapWindowTexts::kSaveCreator);
    file->SetMacType(ScrapWindowTexts::kSaveType);
    stream->Write(EditField2().Text());
    if (!stream->Close()) ReportSaveFailure(stream->LastErrorMessage());
}

void ScrapWindow::BevelButton11_Action() {
    // A generated text still going into the editor stops here, or its rest would arrive after
    // the clearing.
    editorFill_->Clear();
}

bool ScrapWindow::EditField2_MouseDown(std::int32_t /*x*/, std::int32_t /*y*/) {
    return myglobal::MG_EditMenu(EditField2(), EditCMenu1());
}

bool ScrapWindow::EditField1_MouseDown(std::int32_t /*x*/, std::int32_t /*y*/) {
    return myglobal::MG_EditMenu(EditField1(), EditCMenu1());
}
