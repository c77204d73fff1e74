#pragma once

#include <QPoint>
#include <Qt>

// What the framework remembers of the latest input event, for IsContextualClick and
// Keyboard.AsyncCommandKey, and the application-wide event filter that records it.
namespace fw::detail {

// A press at a point of the screen; one of the right button is contextual.
void RecordMousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
// The Menu key (Shift+F10) on a control: a contextual click whose menu shows at that point.
void RecordContextKey(QPoint at);
void RecordModifiers(Qt::KeyboardModifiers modifiers);
bool LastPressWasContextual();
// Where a context menu opens: at the latest contextual click.
QPoint ContextMenuPlace();
Qt::KeyboardModifiers LastModifiers();

// Installs the filter on the application (input state, the enabling pass before shortcuts).
void InstallApplicationFilter();

}  // namespace fw::detail
