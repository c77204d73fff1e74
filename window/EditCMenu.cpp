#include "window/EditCMenu.h"

#include "app/MenuTexts.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Strings.h"
#include "framework/gui/Clipboard.h"

const fw::ClassRecord& EditCMenu::Lookup() {
    return fw::RuntimeRegisterClass("EditCMenu");
}

void EditCMenu::Event_Action(const std::string& item) {
    fw::Clipboard clipboard;
    if (!CMEditfield) throw fw::NilObjectException("the edit context menu serves no field");
    fw::EditField& f = *CMEditfield;
    const auto is = [&item](const char* text) { return fw::StrComp(item, text, 0) == 0; };

    if (is(MenuTexts::kCopy)) {
        clipboard.SetText(f.SelLength() >= 1 ? f.SelText() : f.Text());
        clipboard.Close();
    } else if (is(MenuTexts::kCut)) {
        clipboard.SetText(f.SelText());
        f.SetSelText("");
        clipboard.Close();
    } else if (is(MenuTexts::kPaste)) {
        f.SetSelText(clipboard.Text());
        // The caret goes to the end of the whole text, not of what was pasted.
        f.SetSelStart(fw::Len(f.Text()));
        clipboard.Close();
    } else if (is(MenuTexts::kClear)) {
        if (!f.ReadOnly()) f.SetSelText("");
    } else if (is(MenuTexts::kSelectAll)) {
        f.SetSelStart(0);
        f.SetSelLength(fw::Len(f.Text()));
    }
}
