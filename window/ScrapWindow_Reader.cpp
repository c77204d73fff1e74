// The download-list reader and the drops that feed it.
#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"
#include "framework/core/Strings.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/FolderItem.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/TextInputStream.h"
#include "window/DownloadList.h"
#include "window/ScrapWindow.h"
#include "window/SelListBox.h"

void ScrapWindow::MP_ReadDownloadList(fw::EncodedText text) {
    // A download list can hold thousands of refused ranges (a binary file dropped by mistake
    // holds them by chance); a box for each would keep the user clicking long after the read.
    const fw::FirstMessageOnly oneMessage;
    // The text is this call's own: a turn of the event loop may start another read or change
    // the list, and the lines still to come are read all the same. The lines are the fields
    // MG_nthField gives one by one, taken in one pass: field by field would cost time in the
    // square of the number of lines.
    fw::FieldsB lines(text.bytes, myglobal::CL);
    while (const auto bytes = lines.Next()) {
        // After a quit the lines left are passed over.
        if (fw::QuitRequested()) break;
        DownloadList::ReadLine(*bytes, text.encoding,
                               [this](std::string_view row) { MP_AddDownloadItem(row); });
        fw::DoEvents();
    }
    MP_ListCountPrint();
}

namespace {

// Reads each text item of a drop, from the current item on.
void ReadTextItems(fw::DragItem& obj, ScrapWindow& window) {
    do {
        if (obj.TextAvailable()) window.MP_ReadDownloadList({obj.Text(), fw::Encodings::UTF8});
        fw::DoEvents();
    } while (!fw::QuitRequested() && obj.NextItem());
}

}  // namespace

void ScrapWindow::InstallReaderHandlers() {
    ListBox1().OnDropObject = [this](fw::DragItem& obj, int action) {
        ListBox1_DropObject(obj, action);
    };
    auto& listPage = BevelButton1();
    listPage.OnOpen = [this] { BevelButton1_Open(); };
    listPage.OnDropObject = [this](fw::DragItem& obj, int action) {
        BevelButton1_DropObject(obj, action);
    };
}

void ScrapWindow::ListBox1_DropObject(fw::DragItem& obj, std::int32_t /*action*/) {
    // Rows of our own drag coming back carry no new text; a file is read all the same.
    if (!p_DragCheck) ReadTextItems(obj, *this);
    if (obj.FolderItemAvailable()) {
        // One line per call keeps a large file linear.
        if (auto stream = obj.FolderItem()->OpenAsTextFile()) {
            const fw::FirstMessageOnly oneMessage;
            while (!fw::QuitRequested() && !stream->Eof()) {
                MP_ReadDownloadList(stream->ReadLine());
                fw::DoEvents();
            }
            stream->Close();
        }
    }
    p_DragCheck = false;
}

void ScrapWindow::BevelButton1_Open() {
    BevelButton1().AcceptTextDrop();
}

// The button reads text only and leaves the page as it is.
void ScrapWindow::BevelButton1_DropObject(fw::DragItem& obj, std::int32_t /*action*/) {
    if (!p_DragCheck) ReadTextItems(obj, *this);
    p_DragCheck = false;
}

// Nothing in the program calls this; keys become rows as they are, without the reader's rules.
void ScrapWindow::MP_URLListUketori(const std::shared_ptr<fw::Dictionary>& dic) {
    if (!p_URLDic || !dic) return;
    for (int i = 0; i < dic->Count(); ++i) {
        const std::string key = dic->Key(i);
        p_URLDic->SetValue(key, dic->Value(key));
        if (fw::LenB(key) > 0) ListBox1().AddRow(key);
        fw::DoEvents();
        if (fw::QuitRequested()) break;
    }
}
