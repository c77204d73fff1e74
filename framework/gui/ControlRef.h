#pragma once

#include "framework/core/Exceptions.h"

namespace fw {

class Window;

// One of a window's own controls, held by a member of the window named as the control and
// bound by Window::NewControl when it creates the control; the window's code reaches it as
// `ListBox1().AddRow(row)`, its name and class checked by the compiler. The window owns the
// control and keeps it as long as the window exists.
template <class T>
class ControlRef {
public:
    // Throws NilObjectException before the window has created the control.
    T& operator()() const {
        if (!control_) throw NilObjectException("a control used before its window made it");
        return *control_;
    }

private:
    friend class Window;
    T* control_ = nullptr;
};

}  // namespace fw
