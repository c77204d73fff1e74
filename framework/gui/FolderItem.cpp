#include "framework/gui/FolderItem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "framework/gui/TextInputStream.h"
#include "framework/gui/TextOutputStream.h"
#include "framework/gui/detail/Text.h"

namespace fw {
namespace fs = std::filesystem;

namespace {
constexpr const char* kTypeAttribute = "user.fw.type";
constexpr const char* kCreatorAttribute = "user.fw.creator";
}  // namespace

FolderItem::FolderItem(std::string nativePath) : path_(std::move(nativePath)) {}

std::string FolderItem::Name() const {
    return fs::path(path_).filename().string();
}

bool FolderItem::Exists() const {
    std::error_code ec;
    return fs::exists(path_, ec);
}

bool FolderItem::Directory() const {
    std::error_code ec;
    return fs::is_directory(path_, ec);
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
    return std::make_shared<FolderItem>((fs::path(path_) / name).string());
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
    const fs::path p(path_);
    if (!p.has_parent_path() || p.parent_path() == p) return nullptr;
    return std::make_shared<FolderItem>(p.parent_path().string());
}

std::shared_ptr<TextInputStream> FolderItem::OpenAsTextFile() {
    lastError_.clear();
    if (Directory()) {
        lastError_ = "Cannot read \"" + path_ + "\": it is a folder";
        return nullptr;
    }
    try {
        return std::make_shared<TextInputStream>(path_);
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return nullptr;
    }
}

std::shared_ptr<TextOutputStream> FolderItem::CreateTextFile() {
    lastError_.clear();
    if (Directory()) {
        lastError_ = "Cannot create \"" + path_ + "\": a folder of that name exists";
        return nullptr;
    }
    // A link is followed: the file it names takes the text, and the link stays a link.
    std::error_code ec;
    fs::path target(path_);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec) target = resolved;
    }
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A device or a pipe cannot be replaced by a file; it takes the text itself. Opened
        // without waiting, so a pipe nobody reads is reported instead of hanging the window.
        const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            lastError_ = "Cannot create \"" + path_ + "\": " + std::strerror(errno);
            return nullptr;
        }
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        auto stream = std::make_shared<TextOutputStream>(shared_from_this(), target.string(),
                                                         std::string(), fd);
        pendingStream_ = stream;
        return stream;
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // The temporary name is the file's own, shortened so that it still fits where the longest
    // name a folder takes does.
    std::string temp =
        (folder / ("." + target.filename().string().substr(0, 200) + ".XXXXXX")).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        lastError_ = "Cannot create \"" + path_ + "\": " + std::strerror(errno);
        return nullptr;
    }
    // The new file gets the permissions an ordinary new file would, or those of the file it
    // replaces.
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) {
        fchmod(fd, existing.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    auto stream = std::make_shared<TextOutputStream>(shared_from_this(), target.string(), temp, fd);
    pendingStream_ = stream;
    return stream;
}

std::string FolderItem::CodeAttribute(const char* attribute) const {
    std::string where = path_;
    if (auto stream = pendingStream_.lock();
        stream && !stream->Closed() && !stream->TempPath().empty())
        where = stream->TempPath();
    char value[64];
    const ssize_t n = getxattr(where.c_str(), attribute, value, sizeof value);
    return n > 0 ? std::string(value, static_cast<std::size_t>(n)) : std::string();
}

void FolderItem::SetCodeAttribute(const char* attribute, const std::string& code) {
    // A file being written takes the code on its temporary file, which becomes the file.
    std::string where = path_;
    if (auto stream = pendingStream_.lock();
        stream && !stream->Closed() && !stream->TempPath().empty())
        where = stream->TempPath();
    // File systems without extended attributes keep no codes; that is no failure.
    setxattr(where.c_str(), attribute, code.data(), code.size(), 0);
}

std::string FolderItem::MacType() const {
    return CodeAttribute(kTypeAttribute);
}
void FolderItem::SetMacType(const std::string& code) {
    SetCodeAttribute(kTypeAttribute, code);
}
std::string FolderItem::MacCreator() const {
    return CodeAttribute(kCreatorAttribute);
}
void FolderItem::SetMacCreator(const std::string& code) {
    SetCodeAttribute(kCreatorAttribute, code);
}

std::shared_ptr<FolderItem> Volume(int index) {
    if (index < 0) return nullptr;
    if (index == 0) return std::make_shared<FolderItem>("/");
    int i = 1;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady() || storage.isRoot()) continue;
        if (i++ == index) return std::make_shared<FolderItem>(detail::FromQt(storage.rootPath()));
    }
    return nullptr;
}

}  // namespace fw
