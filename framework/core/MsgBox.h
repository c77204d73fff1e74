#pragma once

#include <functional>
#include <string>

// Message boxes go through one replaceable hook: the GUI installs a real dialog, tests record
// the texts. Without a hook the text goes to standard error.
namespace fw {

using MsgBoxHook = std::function<void(const std::string& text)>;

// Installs a hook and returns the one it replaces.
MsgBoxHook SetMsgBoxHook(MsgBoxHook hook);

void MsgBox(const std::string& text);

}  // namespace fw
