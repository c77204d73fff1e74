#include "framework/gui/TextOutputStream.h"

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "framework/gui/FolderItem.h"
#include "framework/gui/detail/Text.h"

namespace fw {

TextOutputStream::TextOutputStream(std::shared_ptr<FolderItem> target, std::string tempPath, int fd)
    : target_(std::move(target)), tempPath_(std::move(tempPath)), fd_(fd) {}

TextOutputStream::~TextOutputStream() {
    // A stream dropped without Close still puts what it wrote in place, as closing would.
    if (fd_ >= 0) Close();
}

void TextOutputStream::Fail(const std::string& what, int error) {
    if (!lastError_.empty()) return;
    lastError_ = what + " \"" + target_->NativePath() + "\": " + std::strerror(error);
}

void TextOutputStream::Write(const std::string& text) {
    if (fd_ < 0) {
        Fail("Cannot write", EBADF);
        return;
    }
    if (!lastError_.empty()) return;
    const std::string out = detail::ToPlatformLineEnds(text);
    const char* p = out.data();
    std::size_t left = out.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot write", errno);
            return;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

bool TextOutputStream::Close() {
    if (fd_ < 0) return lastError_.empty();
    // The data has to be on the disk before the rename makes it the file.
    if (lastError_.empty() && ::fsync(fd_) != 0) Fail("Cannot write", errno);
    if (::close(fd_) != 0) Fail("Cannot write", errno);
    fd_ = -1;
    if (lastError_.empty() && std::rename(tempPath_.c_str(), target_->NativePath().c_str()) != 0)
        Fail("Cannot replace", errno);
    if (!lastError_.empty()) {
        ::unlink(tempPath_.c_str());
        target_->lastError_ = lastError_;
        return false;
    }
    return true;
}

}  // namespace fw
