// The URL extractor: every "http://" run of the editor's text becomes a row of the URL list.
#include <string>

#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"
#include "framework/gui/Runtime.h"
#include "window/ScrapWindow.h"
#include "window/ScrapWindowTexts.h"
#include "window/UrlExtraction.h"
#include "window/urlEditfield.h"

void ScrapWindow::PushButton1_Action() {
    // A generated text still going in is scanned whole, not as far as it has come.
    editorFill_->Finish();
    // Read in pieces: tens of megabytes in one call would hold the window up. A quit during the
    // scan cut it short, and the list's caps may have refused its URLs: a report of a finished
    // extraction would be untrue, and after a quit would hold the program up on its way out.
    if (!MP_URLlistUp(EditField2().TextInPieces()) || fw::QuitRequested()) return;
    MP_KirikaeURLlist();
    fw::MsgBox(ScrapWindowTexts::kExtractDone);
}

bool ScrapWindow::MP_URLlistUp(const std::string& text) {
    // The scans work on offsets into the one text instead of cutting off what was scanned at
    // every URL, so a long text costs time in proportion to its bytes. The first counts the
    // URLs: those that would pass the list's caps are refused all together.
    myglobal::renban::Figures urls;
    for (std::size_t next = 0; const auto found = UrlExtraction::NextUrl(text, next);) {
        urls += {1, static_cast<std::int64_t>(found->length)};
        next = found->start + found->length;
        fw::DoEvents();
        if (fw::QuitRequested()) return false;
    }
    if (!ListHasRoom(urls)) return false;
    std::size_t next = 0;
    p_urllistupcount = 0;
    bool taken = true;
    while (const auto found = UrlExtraction::NextUrl(text, next)) {
        taken = MP_AddDownloadItem(text.substr(found->start, found->length));
        next = found->start + found->length;
        p_urllistupcount = static_cast<std::int32_t>(next + 1);
        fw::DoEvents();
        if (!taken || fw::QuitRequested()) break;
    }
    p_urllistupcount = 0;
    return taken;
}
