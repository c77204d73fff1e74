#pragma once

#include <string>
#include <vector>

#include "framework/core/MsgBox.h"

// Records the message boxes shown while it lives, instead of letting them reach standard error.
class MsgBoxRecorder {
public:
    MsgBoxRecorder()
        : previous_(fw::SetMsgBoxHook([this](const std::string& text) { shown.push_back(text); })) {
    }
    ~MsgBoxRecorder() { fw::SetMsgBoxHook(previous_); }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    std::vector<std::string> shown;

private:
    fw::MsgBoxHook previous_;
};
