#pragma once

#include "window/allEditfield.h"

// An edit field that can open the URL at a bare caret. The main window switches that off.
class urlEditfield : public allEditfield {
public:
    explicit urlEditfield(fw::Window& owner, Lines lines = Lines::Single)
        : allEditfield(owner, lines) {}

    static const fw::ClassRecord& Lookup();

    // True switches the opening of URLs off.
    bool URL_OFF = false;
};
