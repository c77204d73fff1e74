#include "framework/gui/FileType.h"

#include <sys/xattr.h>
#include <algorithm>
#include <filesystem>

#include "framework/core/Strings.h"

namespace fw {
namespace {

std::vector<RegisteredFileType>& Registry() {
    static std::vector<RegisteredFileType> registry;
    return registry;
}

bool AnyType(const std::string& code) {
    return code == "????" || code == "****";
}

}  // namespace

FileType::~FileType() {
    Deregister();
}

void FileType::Deregister() {
    if (!registered_) return;
    RuntimeDeregisterFileType(name_);
    registered_ = false;
}

void FileType::SetName(const std::string& v) {
    Deregister();
    name_ = v;
}
void FileType::SetExtensions(const std::string& v) {
    Deregister();
    extensions_ = v;
}
void FileType::SetMacType(const std::string& v) {
    Deregister();
    macType_ = v;
}
void FileType::SetMacCreator(const std::string& v) {
    Deregister();
    macCreator_ = v;
}

std::string FileType::Register() {
    RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_);
    registered_ = true;
    return name_;
}

void RuntimeRegisterFileType(const std::string& name, const std::string& creator,
                             const std::string& type, const std::string& extensions) {
    Registry().push_back({name, creator, type, extensions});
}

void RuntimeDeregisterFileType(const std::string& name) {
    auto& registry = Registry();
    registry.erase(std::remove_if(registry.begin(), registry.end(),
                                  [&](const RegisteredFileType& t) { return t.name == name; }),
                   registry.end());
}

std::vector<RegisteredFileType> RegisteredFileTypes() {
    return Registry();
}

bool FileMatchesType(const std::string& path, const std::string& typeName) {
    for (const auto& type : Registry()) {
        if (!StrEq(type.name, typeName)) continue;
        if (AnyType(type.type)) return true;
        const std::string extension = std::filesystem::path(path).extension().string();
        std::size_t start = 0;
        while (start <= type.extensions.size()) {
            std::size_t end = type.extensions.find(';', start);
            if (end == std::string::npos) end = type.extensions.size();
            const std::string listed = type.extensions.substr(start, end - start);
            if (!listed.empty() && StrEq(listed, extension)) return true;
            start = end + 1;
        }
        // A file that carries the type's code belongs to it whatever its name.
        char code[16];
        const ssize_t n = getxattr(path.c_str(), "user.fw.type", code, sizeof code);
        if (n > 0 && std::string(code, static_cast<std::size_t>(n)) == type.type) return true;
    }
    return false;
}

}  // namespace fw
