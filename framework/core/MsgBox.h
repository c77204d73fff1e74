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

// While it lives, of the messages raised by the code that made it only the first is shown: a
// loop that may fail a thousand times keeps the user from clicking a thousand boxes. During the
// loop's turns of the event loop other events run (a click, another read of their own); their
// messages come from a deeper turn and are shown as usual, or as a policy of their own decides.
// Policies nest as scopes do; an inner one that shows a message counts it for the outer ones.
class FirstMessageOnly {
public:
    FirstMessageOnly();
    ~FirstMessageOnly();
    FirstMessageOnly(const FirstMessageOnly&) = delete;
    FirstMessageOnly& operator=(const FirstMessageOnly&) = delete;

private:
    friend void MsgBox(const std::string& text);

    const int depth_;  // the turn depth of the code that made it
    bool shown_ = false;
    FirstMessageOnly* const outer_;
};

}  // namespace fw
