#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "window/allEditfield.h"

// An edit field that, at a bare caret inside a URL of its text, selects the URL and opens it
// with the system's default handler. The main window switches that off for its editor.
class urlEditfield : public allEditfield {
public:
    explicit urlEditfield(fw::Window& owner, Lines lines = Lines::Single)
        : allEditfield(owner, lines) {}

    static const fw::ClassRecord& Lookup();

    // True switches the opening of URLs off.
    bool URL_OFF = false;
    // Where MP_URLiro found the first "http://" run, in characters from 0.
    std::int32_t URL_iroStart = 0;
    std::int32_t URL_iroLen = 0;
    // Set by MP_URLiro once it finds a run; from then on URLs are no longer opened.
    bool URL_irocheck = false;

    // Raised after the field has selected and opened a URL.
    std::function<void()> OnURLClick;

    // Pass the field's text and selection changes on to the owner (OnTextChange,
    // OnSelChange); a selection change first opens the URL under a bare caret.
    void Event_TextChange() override;
    void Event_SelChange() override;

    // Measures the first "http://" run of the text into URL_iroStart and URL_iroLen.
    void MP_URLiro(const std::string& text);
    // Whether the one-character string may not stand in a URL.
    bool MP_URLkinsimojicheck(const std::string& c) const;
};
