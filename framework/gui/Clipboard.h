#pragma once

#include <string>

namespace fw {

// The system clipboard. Text read from it has its line ends turned into CR; text put on it
// has CR turned into LF, the convention of every other program here.
class Clipboard {
public:
    Clipboard() = default;

    bool TextAvailable() const;
    std::string Text() const;
    void SetText(const std::string& text);
    // Ends this use of the clipboard; what was set stays on it.
    void Close() {}
};

}  // namespace fw
