#pragma once

#include <memory>
#include <string>

namespace fw {

class FolderItem;

// Writes a text file made by FolderItem::CreateTextFile. A CR of the system's text is written
// as LF, so a saved text is an ordinary text file here. Everything goes to a temporary file
// beside the target, which is renamed over the target by Close once all was written.
class TextOutputStream {
public:
    TextOutputStream(std::shared_ptr<FolderItem> target, std::string tempPath, int fd);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // Writes the text, adding nothing. A failure is remembered and reported by Close.
    void Write(const std::string& text);
    void WriteLine(const std::string& text) { Write(text + "\r"); }

    // Puts the file in place. False when anything failed: the temporary file is removed, the
    // target stays as it was and the reason is in LastErrorMessage (and the folder item's).
    bool Close();
    bool Closed() const { return fd_ < 0; }

    const std::string& LastErrorMessage() const { return lastError_; }
    // The temporary file while the stream is open.
    const std::string& TempPath() const { return tempPath_; }

private:
    void Fail(const std::string& what, int error);

    std::shared_ptr<FolderItem> target_;
    std::string tempPath_;
    int fd_ = -1;
    std::string lastError_;
};

}  // namespace fw
