#include "framework/gui/TextInputStream.h"

#include <cerrno>
#include <cstring>

#include "framework/core/Exceptions.h"
#include "framework/gui/detail/Text.h"

namespace fw {
namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

TextInputStream::TextInputStream(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
    if (!file_) throw IOException("Cannot open \"" + path + "\": " + std::strerror(errno));
}

TextInputStream::~TextInputStream() {
    Close();
}

void TextInputStream::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    buffer_.clear();
    pos_ = 0;
    atEnd_ = true;
}

bool TextInputStream::Fill() {
    if (!file_ || atEnd_) return false;
    // Drops what has been read so the buffer holds at most the current line and one chunk.
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
    }
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kChunk);
    const std::size_t got = std::fread(buffer_.data() + old, 1, kChunk, file_);
    buffer_.resize(old + got);
    if (got == 0) atEnd_ = true;
    return got > 0;
}

bool TextInputStream::Eof() {
    if (pos_ < buffer_.size()) return false;
    return !Fill();
}

EncodedText TextInputStream::ReadLine() {
    std::size_t scanned = pos_;
    std::size_t end = std::string::npos;
    for (;;) {
        end = buffer_.find_first_of("\r\n", scanned);
        if (end != std::string::npos) {
            // A CR at the end of the buffer may be the first half of a CR LF.
            if (buffer_[end] == '\r' && end + 1 == buffer_.size()) {
                const std::size_t offset = end - pos_;
                // Fill moves the unread bytes to the front even when it finds no more.
                Fill();
                end = pos_ + offset;
            }
            break;
        }
        const std::size_t offset = buffer_.size() - pos_;
        if (!Fill()) break;
        scanned = pos_ + offset;
    }
    EncodedText line;
    if (end == std::string::npos) {
        line.bytes = buffer_.substr(pos_);
        pos_ = buffer_.size();
    } else {
        line.bytes = buffer_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (buffer_[end] == '\r' && pos_ < buffer_.size() && buffer_[pos_] == '\n') ++pos_;
    }
    line.encoding = detail::IsValidUtf8(line.bytes) ? Encodings::UTF8 : TextEncoding("CP932");
    return line;
}

}  // namespace fw
