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
#include "window/ScrapWindowTexts.h"
#include "window/SelListBox.h"

bool ScrapWindow::MP_ReadDownloadList(fw::EncodedText text) {
    std::optional<std::string> capMessage;
    bool whole = false;
    {
        // A download list can hold thousands of refused ranges (a binary file dropped by mistake
        // holds them by chance); a box for each would keep the user clicking long after the read.
        const fw::FirstMessageOnly oneMessage;
        whole = ReadLines(text, capMessage);
    }
    if (capMessage) fw::MsgBox(*capMessage);
    return whole;
}

bool ScrapWindow::ReadLines(const fw::EncodedText& text, std::optional<std::string>& capMessage) {
    const auto hasRoom = [&](const myglobal::renban::Figures& rows) {
        capMessage = OverListCap(rows, ScrapWindowTexts::ListReadStopped);
        if (capMessage) return false;
        // Room made at once for the rows of a range: growing the list row by row would move it
        // whole several times, each a wait of the window.
        if (rows.entries > 1) {
            ListBox1().ReserveRows(static_cast<std::size_t>(rows.entries),
                                   static_cast<std::size_t>(rows.bytes));
        }
        return true;
    };
    const auto add = [this](std::string_view row) { return MP_AddDownloadItem(row); };
    // The text is the caller's own: a turn of the event loop may start another read or change
    // the list, and the lines still to come are read all the same. The lines are the fields
    // MG_nthField gives one by one, taken in one pass: field by field would cost time in the
    // square of the number of lines.
    bool whole = true;
    fw::FieldsB lines(text.bytes, myglobal::CL);
    while (const auto bytes = lines.Next()) {
        // After a quit the lines left are passed over.
        if (fw::QuitRequested()) break;
        whole = DownloadList::ReadLine(*bytes, text.encoding, hasRoom, add);
        if (!whole) break;
        fw::DoEvents();
    }
    MP_ListCountPrint();
    return whole;
}

namespace {

// Reads each text item of a drop, from the current item on; false when the list's caps stopped
// one.
bool ReadTextItems(fw::DragItem& obj, ScrapWindow& window) {
    do {
        if (obj.TextAvailable() && !window.MP_ReadDownloadList({obj.Text(), fw::Encodings::UTF8}))
            return false;
        fw::DoEvents();
    } while (!fw::QuitRequested() && obj.NextItem());
    return true;
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
    // Rows of our own drag coming back carry no new text; a file is read all the same. Once the
    // list's caps stop a read, the rest of the drop is left.
    if (p_DragCheck || ReadTextItems(obj, *this)) ReadDroppedFile(obj);
    p_DragCheck = false;
}

void ScrapWindow::ReadDroppedFile(fw::DragItem& obj) {
    if (!obj.FolderItemAvailable()) return;
    auto stream = obj.FolderItem()->OpenAsTextFile();
    if (!stream) return;
    std::optional<std::string> capMessage;
    {
        const fw::FirstMessageOnly oneMessage;
        // One line per call keeps a large file linear.
        while (!fw::QuitRequested() && !stream->Eof() && ReadLines(stream->ReadLine(), capMessage))
            fw::DoEvents();
    }
    stream->Close();
    if (capMessage) fw::MsgBox(*capMessage);
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
    // Keys that would pass the list's caps are refused all together, the dictionary left as it is.
    myglobal::renban::Figures keys;
    for (int i = 0; i < dic->Count(); ++i) {
        if (const auto bytes = static_cast<std::int64_t>(dic->Key(i).size()); bytes > 0)
            keys += {1, bytes};
    }
    if (!ListHasRoom(keys)) return;
    for (int i = 0; i < dic->Count(); ++i) {
        const std::string key = dic->Key(i);
        p_URLDic->SetValue(key, dic->Value(key));
        if (fw::LenB(key) > 0) {
            // A turn of the event loop may have filled the list since the count.
            if (!ListHasRoom({1, static_cast<std::int64_t>(key.size())})) break;
            ListBox1().AddRow(key);
        }
        fw::DoEvents();
        if (fw::QuitRequested()) break;
    }
}
