#pragma once

#include <string>

// Small services of the platform that the system calls by name.
namespace fw {

// Opens a URL with the system's default handler (through the ShowURL hook). When nothing
// can open it, says so in a message box.
void ShowURL(const std::string& url);

// Whether the MouseDown being handled asks for a context menu: a press of the right button, or
// the Menu key (Shift+F10) on the focused control, which raises MouseDown as such a click does.
// Ctrl with the left button is not contextual.
bool IsContextualClick();

namespace Keyboard {
// Whether the Command key (Ctrl here) is down now.
bool AsyncCommandKey();
}  // namespace Keyboard

}  // namespace fw
