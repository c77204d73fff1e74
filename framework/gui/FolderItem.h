#pragma once

#include <memory>
#include <string>

namespace fw {

class TextInputStream;
class TextOutputStream;

// A file or folder named by its path; it need not exist.
class FolderItem : public std::enable_shared_from_this<FolderItem> {
public:
    explicit FolderItem(std::string nativePath);

    const std::string& NativePath() const { return path_; }
    std::string Name() const;
    bool Exists() const;
    bool Directory() const;

    // The item of that name inside this folder (whether or not it exists).
    std::shared_ptr<FolderItem> Child(const std::string& name) const;
    // The folder holding this item; nil for the root.
    std::shared_ptr<FolderItem> Parent() const;

    // A stream over the file's lines; nil when it cannot be opened (the reason is in
    // LastErrorMessage).
    std::shared_ptr<TextInputStream> OpenAsTextFile();

    // A stream on a new, empty text file at this place. The text goes to a temporary file
    // beside it, which replaces the file here only when Close has written everything; until
    // then an existing file stays as it was. Nil when the file cannot be created (reason in
    // LastErrorMessage).
    std::shared_ptr<TextOutputStream> CreateTextFile();

    // Four-character type and creator codes, kept in extended attributes where the file
    // system allows them and silently not kept where it does not. Set on an item whose text
    // file is being written, they go with the file that replaces it.
    std::string MacType() const;
    void SetMacType(const std::string& code);
    std::string MacCreator() const;
    void SetMacCreator(const std::string& code);

    // What went wrong last, naming the file and the reason; "" when nothing did.
    const std::string& LastErrorMessage() const { return lastError_; }

private:
    friend class TextOutputStream;
    std::string CodeAttribute(const char* attribute) const;
    void SetCodeAttribute(const char* attribute, const std::string& code);

    std::string path_;
    std::string lastError_;
    std::weak_ptr<TextOutputStream> pendingStream_;
};

// The root folder of a volume: 0 is the root of the file system, then the other mounted
// volumes; nil past the last.
std::shared_ptr<FolderItem> Volume(int index);

}  // namespace fw
