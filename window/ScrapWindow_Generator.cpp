// The generator page: the pattern composed from the four part fields, the generate button
// and where its URLs go.
#include <algorithm>
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
        PutGeneratedTextInEditor(std::move(text));
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

namespace {

// Bytes that go into the editor between two event-loop turns: small enough for the field to
// take in a few milliseconds, large enough that a million lines need few turns.
constexpr std::size_t kEditorPiece = 64 * 1024;

// Where the piece that starts at `from` ends: on a character boundary, and not between a CR
// and a LF, which the field would read as two line ends.
std::size_t PieceEnd(const std::string& text, std::size_t from) {
    std::size_t end = std::min(text.size(), from + kEditorPiece);
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    if (end < text.size() && text[end] == '\n' && text[end - 1] == '\r') ++end;
    return end;
}

}  // namespace

void ScrapWindow::PutGeneratedTextInEditor(std::string text) {
    // The field is hidden while the possibly long text goes in. A long text goes in piece by
    // piece with a turn of the event loop between, so the window keeps answering; a newer
    // generation (the user may press the button again meanwhile) takes over the field.
    const std::uint64_t fill = ++editorFillSerial_;
    editorFillText_.clear();
    editorFillDone_ = 0;
    ControlNamed<urlEditfield>("EditField2").SetVisible(false);
    if (text.size() <= kEditorPiece) {
        ControlNamed<urlEditfield>("EditField2").SetText(text);
        ControlNamed<urlEditfield>("EditField2").SetVisible(true);
        return;
    }
    editorFillText_ = std::move(text);
    ControlNamed<urlEditfield>("EditField2").SetText("");
    while (editorFillDone_ < editorFillText_.size()) {
        const std::size_t end = PieceEnd(editorFillText_, editorFillDone_);
        ControlNamed<urlEditfield>("EditField2")
            .AppendText(editorFillText_.substr(editorFillDone_, end - editorFillDone_));
        editorFillDone_ = end;
        fw::DoEvents();
        if (fill != editorFillSerial_ || fw::QuitRequested()) return;
    }
    editorFillText_ = std::string();
    ControlNamed<urlEditfield>("EditField2").SetVisible(true);
}

void ScrapWindow::FinishEditorFill() {
    if (editorFillText_.empty()) return;
    ++editorFillSerial_;
    ControlNamed<urlEditfield>("EditField2").AppendText(editorFillText_.substr(editorFillDone_));
    editorFillText_ = std::string();
    editorFillDone_ = 0;
    ControlNamed<urlEditfield>("EditField2").SetVisible(true);
}
