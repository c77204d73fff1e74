#pragma once

#include <optional>
#include <string>

class QKeyEvent;

namespace fw::detail {

// The key as the system's KeyDown handlers see it, none for a lone modifier key.
std::optional<std::string> KeyString(const QKeyEvent& event);

// The Menu key or Shift+F10: a request for the focused control's context menu.
bool IsContextKey(const QKeyEvent& event);

}  // namespace fw::detail
