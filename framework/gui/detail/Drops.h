#pragma once

class QDropEvent;

namespace fw::detail {

// Answers a drag or drop that an edit widget accepted as a copy when it carries URLs (files)
// and the source allows a copy: the field takes their URLs as text, and a source that honours a
// move could give its files up. Text alone keeps the answer the widget gave.
void AnswerUrlsAsCopy(QDropEvent& event);

}  // namespace fw::detail
