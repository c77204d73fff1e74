#pragma once

class QDropEvent;

namespace fw::detail {

// Accepts a drag or drop as a copy where the source allows one; false, leaving the event as it
// was, where it does not. A drop here only reads what it carries: taken as a move, a source
// that honours moves would give up its text or files.
bool AcceptAsCopy(QDropEvent& event);

// Answers a drag or drop that an edit widget accepted as a copy when it carries URLs (files):
// the field takes their URLs as text. Text alone keeps the answer the widget gave.
void AnswerUrlsAsCopy(QDropEvent& event);

}  // namespace fw::detail
