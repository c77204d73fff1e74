#include "window/urlEditfield.h"

const fw::ClassRecord& urlEditfield::Lookup() {
    return fw::RuntimeRegisterClass("urlEditfield");
}
