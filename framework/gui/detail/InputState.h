#pragma once

#include <Qt>

// What the framework remembers of the latest input event, for IsContextualClick and
// Keyboard.AsyncCommandKey, and the application-wide event filter that records it.
namespace fw::detail {

void RecordMousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
void RecordModifiers(Qt::KeyboardModifiers modifiers);
bool LastPressWasContextual();
Qt::KeyboardModifiers LastModifiers();

// Installs the filter on the application (input state, the enabling pass before shortcuts).
void InstallApplicationFilter();

}  // namespace fw::detail
