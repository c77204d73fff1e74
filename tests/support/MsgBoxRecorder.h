#pragma once

#include <string>
#include <vector>

#include "framework/core/MsgBox.h"

namespace fwtest {

// Records the texts of the message boxes shown while it lives, instead of letting them reach the
// user, and puts back the previous hook when it goes. Needs nothing but the core, so the tests
// of the layers without Qt use it too.
class MsgBoxRecorder {
public:
    MsgBoxRecorder()
        : previous_(
              fw::SetMsgBoxHook([this](const std::string& text) { texts_.push_back(text); })) {}
    ~MsgBoxRecorder() { fw::SetMsgBoxHook(previous_); }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    const std::vector<std::string>& Texts() const { return texts_; }

private:
    std::vector<std::string> texts_;
    fw::MsgBoxHook previous_;
};

}  // namespace fwtest
