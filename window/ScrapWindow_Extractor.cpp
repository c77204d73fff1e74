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
    // Read in pieces: tens of megabytes in one call would hold the window up.
    MP_URLlistUp(EditField2().TextInPieces());
    // A quit during the scan cut it short: a report of a finished extraction would be untrue
    // and would hold the program up on its way out.
    if (fw::QuitRequested()) return;
    MP_KirikaeURLlist();
    fw::MsgBox(ScrapWindowTexts::kExtractDone);
}

void ScrapWindow::MP_URLlistUp(const std::string& text) {
    // The scan works on offsets into the one text instead of cutting off what was scanned at
    // every URL, so a long text costs time in proportion to its bytes.
    std::size_t next = 0;
    p_urllistupcount = 0;
    while (const auto found = UrlExtraction::NextUrl(text, next)) {
        MP_AddDownloadItem(text.substr(found->start, found->length));
        next = found->start + found->length;
        p_urllistupcount = static_cast<std::int32_t>(next + 1);
        fw::DoEvents();
        if (fw::QuitRequested()) break;
    }
    p_urllistupcount = 0;
}
