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
#include "window/SelListBox.h"
#include "window/allEditfield.h"

void ScrapWindow::InstallGeneratorHandlers() {
    allEditfield3().OnTextChange = [this] { allEditfield3_TextChange(); };
    allEditfield4().OnTextChange = [this] { allEditfield4_TextChange(); };
    allEditfield5().OnTextChange = [this] { allEditfield5_TextChange(); };
    allEditfield1().OnKeyDown = [this](const std::string& key) {
        return allEditfield1_KeyDown(key);
    };
    allEditfield1().OnTextChange = [this] { allEditfield1_TextChange(); };
    PushButton2().OnAction = [this] { PushButton2_Action(); };
    allEditfield2().OnTextChange = [this] { allEditfield2_TextChange(); };
}

void ScrapWindow::MP_RenbanPreviw() {
    const std::string first = allEditfield3().Text();
    const std::string last = allEditfield4().Text();
    const std::string before = allEditfield2().Text();
    const std::string after = allEditfield5().Text();
    allEditfield1().SetText(RenbanPattern::Compose(before, first, last, after));
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
    const std::string pattern = allEditfield1().Text();
    PushButton2().SetEnabled(RenbanPattern::CanGenerate(pattern));
}

bool ScrapWindow::allEditfield1_KeyDown(const std::string& key) {
    if (key == fw::Chr(13) || key == fw::Chr(3)) {
        PushButton2().Push();
        return true;
    }
    return false;
}

void ScrapWindow::PushButton2_Action() {
    std::vector<std::string> urls;
    const std::int32_t mode = CheckBox1().Value() ? 1 : 2;
    bool refused = false;
    myglobal::MG_MakeRenbanList(allEditfield1().Text(), urls, mode, refused);
    // The message says why; the editor keeps what the user had in it.
    if (refused) return;

    if (!RadioButton1().Value()) {
        editorFill_->Replace(std::move(urls), myglobal::CL);
        MP_KirikaeEditor();
        return;
    }

    const std::size_t count = urls.size();
    if (count == 0) return;
    // URLs that would pass the list's caps are refused all together.
    myglobal::renban::Figures rows;
    for (const std::string& url : urls) {
        if (!url.empty()) rows += {1, static_cast<std::int64_t>(url.size())};
    }
    if (!ListHasRoom(rows)) return;
    ListBox1().ReserveRows(static_cast<std::size_t>(rows.entries),
                           static_cast<std::size_t>(rows.bytes));
    for (std::size_t i = 0; i < count; ++i) {
        if (!MP_AddDownloadItem(urls[i])) return;
        // Freed as it goes in: freeing a million URLs at the end keeps the window waiting.
        std::string().swap(urls[i]);
        fw::DoEvents();
        // Closing the window quits; the rest of the list would go to a window nobody sees.
        if (fw::QuitRequested()) return;
    }
    MP_KirikaeURLlist();
}
