#include "framework/gui/TextOutputStream.h"

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

#include "framework/gui/FolderItem.h"
#include "framework/gui/detail/Text.h"

namespace fw {

TextOutputStream::TextOutputStream(std::shared_ptr<FolderItem> target, std::string destination,
                                   std::string tempPath, int fd)
    : target_(std::move(target)),
      destination_(std::move(destination)),
      tempPath_(std::move(tempPath)),
      fd_(fd),
      uncaughtAtStart_(std::uncaught_exceptions()) {}

TextOutputStream::~TextOutputStream() {
    if (fd_ < 0) return;
    // A stream dropped without Close still puts what it wrote in place, as closing would; but
    // one dropped by an exception was cut short, and the file it would replace stays.
    if (std::uncaught_exceptions() > uncaughtAtStart_) {
        ::close(fd_);
        fd_ = -1;
        if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
        return;
    }
    Close();
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
    const bool replacing = !tempPath_.empty();
    // The data has to be on the disk before the rename makes it the file.
    if (replacing && lastError_.empty() && ::fsync(fd_) != 0) Fail("Cannot write", errno);
    if (::close(fd_) != 0) Fail("Cannot write", errno);
    fd_ = -1;
    if (replacing && lastError_.empty() &&
        std::rename(tempPath_.c_str(), destination_.c_str()) != 0)
        Fail("Cannot replace", errno);
    if (!lastError_.empty()) {
        if (replacing) ::unlink(tempPath_.c_str());
        target_->lastError_ = lastError_;
        return false;
    }
    return true;
}

}  // namespace fw
