#include "window/urlEditfield.h"

#include "framework/gui/Services.h"
#include "window/UrlRecognition.h"

const fw::ClassRecord& urlEditfield::Lookup() {
    return fw::RuntimeRegisterClass("urlEditfield");
}

void urlEditfield::Event_TextChange() {
    if (OnTextChange) OnTextChange();
}

void urlEditfield::Event_SelChange() {
    // Only a bare caret counts; the check comes before the text is read, so a switched-off
    // field costs nothing however long its text.
    if (!URL_OFF && !URL_irocheck && SelLength() == 0) {
        if (const auto hit = UrlRecognition::UrlAtCaret(Text(), SelStart(), 0)) {
            // Selecting the URL reports selection changes again; they find a selection or a
            // forbidden character before the caret and open nothing.
            SetSelStart(hit->selStart);
            SetSelLength(hit->selLength);
            fw::ShowURL(hit->url);
            if (OnURLClick) OnURLClick();
        }
    }
    if (OnSelChange) OnSelChange();
}

void urlEditfield::MP_URLiro(const std::string& text) {
    if (const auto run = UrlRecognition::FirstHttpRun(text)) {
        URL_iroStart = run->start;
        URL_iroLen = run->length;
        URL_irocheck = true;
    } else {
        URL_iroStart = 0;
        URL_iroLen = 6;
    }
}

bool urlEditfield::MP_URLkinsimojicheck(const std::string& c) const {
    return UrlRecognition::IsForbiddenUrlChar(c);
}
