#pragma once

#include <memory>
#include <string>

namespace fw {

class FolderItem;

// Writes a text file made by FolderItem::CreateTextFile. A CR of the system's text is written
// as LF, so a saved text is an ordinary text file here. Everything goes to a temporary file
// beside the destination, which is renamed over it by Close once all was written; without a
// temporary file (a device or a pipe) the text goes straight to the destination.
class TextOutputStream {
public:
    TextOutputStream(std::shared_ptr<FolderItem> target, std::string destination,
                     std::string tempPath, int fd);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // Writes the text, adding nothing. A failure is remembered and reported by Close.
    void Write(const std::string& text);

    // Puts the file in place. False when anything failed: the temporary file is removed, the
    // target stays as it was and the reason is in LastErrorMessage (and the folder item's).
    bool Close();
    bool Closed() const { return fd_ < 0; }

    const std::string& LastErrorMessage() const { return lastError_; }
    // The temporary file while the stream is open; "" when there is none.
    const std::string& TempPath() const { return tempPath_; }

private:
    void Fail(const std::string& what, int error);

    std::shared_ptr<FolderItem> target_;
    std::string destination_;
    std::string tempPath_;
    int fd_ = -1;
    int uncaughtAtStart_ = 0;
    std::string lastError_;
};

}  // namespace fw
