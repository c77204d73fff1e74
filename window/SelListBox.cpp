#include "window/SelListBox.h"

const fw::ClassRecord& SelListBox::Lookup() {
    return fw::RuntimeRegisterClass("SelListBox");
}
