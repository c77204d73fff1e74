// The generator page: the pattern composed from the four part fields, the generate button
// and where its URLs go.
#include <string>
#include <vector>

#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"
#include "framework/gui/CheckBox.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/RadioButton.h"
#include "window/RenbanPattern.h"
#include "window/ScrapWindow.h"
#include "window/allEditfield.h"
#include "window/urlEditfield.h"

void ScrapWindow::InstallGeneratorHandlers() {
    ControlNamed<allEditfield>("allEditfield3").OnTextChange = [this] {
        allEditfield3_TextChange();
    };
    ControlNamed<allEditfield>("allEditfield4").OnTextChange = [this] {
        allEditfield4_TextChange();
    };
    ControlNamed<allEditfield>("allEditfield5").OnTextChange = [this] {
        allEditfield5_TextChange();
    };
    auto& pattern = ControlNamed<allEditfield>("allEditfield1");
    pattern.OnKeyDown = [this](const std::string& key) { return allEditfield1_KeyDown(key); };
    pattern.OnTextChange = [this] { allEditfield1_TextChange(); };
    ControlNamed<fw::PushButton>("PushButton2").OnAction = [this] { PushButton2_Action(); };
    ControlNamed<allEditfield>("allEditfield2").OnTextChange = [this] {
        allEditfield2_TextChange();
    };
}

void ScrapWindow::MP_RenbanPreviw() {
    const std::string first = ControlNamed<allEditfield>("allEditfield3").Text();
    const std::string last = ControlNamed<allEditfield>("allEditfield4").Text();
    const std::string before = ControlNamed<allEditfield>("allEditfield2").Text();
    const std::string after = ControlNamed<allEditfield>("allEditfield5").Text();
    ControlNamed<allEditfield>("allEditfield1")
        .SetText(RenbanPattern::Compose(before, first, last, after));
}

void ScrapWindow::allEditfield2_TextChange() {
    MP_RenbanPreviw();
}
void ScrapWindow::allEditfield3_TextChange() {
    MP_RenbanPreviw();
}
void ScrapWindow::allEditfield4_TextChange() {
    MP_RenbanPreviw();
}
void ScrapWindow::allEditfield5_TextChange() {
    MP_RenbanPreviw();
}

void ScrapWindow::allEditfield1_TextChange() {
    const std::string pattern = ControlNamed<allEditfield>("allEditfield1").Text();
    ControlNamed<fw::PushButton>("PushButton2").SetEnabled(RenbanPattern::CanGenerate(pattern));
}

bool ScrapWindow::allEditfield1_KeyDown(const std::string& key) {
    if (key == fw::Chr(13) || key == fw::Chr(3)) {
        ControlNamed<fw::PushButton>("PushButton2").Push();
        return true;
    }
    return false;
}

void ScrapWindow::PushButton2_Action() {
    std::vector<std::string> urls;
    const std::int32_t mode = ControlNamed<fw::CheckBox>("CheckBox1").Value() ? 1 : 2;
    myglobal::MG_MakeRenbanList(ControlNamed<allEditfield>("allEditfield1").Text(), urls, mode);

    if (!ControlNamed<fw::RadioButton>("RadioButton1").Value()) {
        std::string text = fw::Join(urls, myglobal::CL);
        urls = {};  // the joined text is all the editor needs; the entries can go
        PutGeneratedTextInEditor(text);
        MP_KirikaeEditor();
        return;
    }

    const std::size_t count = urls.size();
    if (count == 0) return;
    for (std::size_t i = 0; i < count; ++i) {
        MP_AddDownloadItem(urls[i]);
        fw::DoEvents();
        // Closing the window quits; the rest of the list would go to a window nobody sees.
        if (fw::QuitRequested()) return;
    }
    MP_KirikaeURLlist();
}

void ScrapWindow::PutGeneratedTextInEditor(const std::string& text) {
    // The field is hidden while the possibly long text goes in.
    auto& editor = ControlNamed<urlEditfield>("EditField2");
    editor.SetVisible(false);
    editor.SetText(text);
    editor.SetVisible(true);
}
