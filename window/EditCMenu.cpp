#include "window/EditCMenu.h"

const fw::ClassRecord& EditCMenu::Lookup() {
    return fw::RuntimeRegisterClass("EditCMenu");
}
