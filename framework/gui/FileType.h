#pragma once

#include <string>
#include <vector>

namespace fw {

// A file type as the system describes one. Registering hands it to the registry by which
// windows accept file drops; changing a field of a registered type, or destroying it, takes
// it out of the registry again.
class FileType {
public:
    FileType() = default;
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& v);
    // Extensions with their dots, separated by semicolons (".txt;.text").
    const std::string& Extensions() const { return extensions_; }
    void SetExtensions(const std::string& v);
    const std::string& MacType() const { return macType_; }
    void SetMacType(const std::string& v);
    const std::string& MacCreator() const { return macCreator_; }
    void SetMacCreator(const std::string& v);

    // Registers the type and returns its name.
    std::string Register();
    bool Registered() const { return registered_; }

private:
    void Deregister();

    std::string name_, extensions_, macType_, macCreator_;
    bool registered_ = false;
};

// The registry itself.
struct RegisteredFileType {
    std::string name, creator, type, extensions;
};
void RuntimeRegisterFileType(const std::string& name, const std::string& creator,
                             const std::string& type, const std::string& extensions);
void RuntimeDeregisterFileType(const std::string& name);
// In registration order.
std::vector<RegisteredFileType> RegisteredFileTypes();
// Whether a file of that path belongs to the registered type of that name: a type code of
// "????" or "****" takes any file, otherwise the file's extension has to be listed.
bool FileMatchesType(const std::string& path, const std::string& typeName);

}  // namespace fw
