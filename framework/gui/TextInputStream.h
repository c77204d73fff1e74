#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "framework/core/TextEncoding.h"

namespace fw {

// Reads a file line by line through a buffer, so a file of any size is read in pieces.
class TextInputStream {
public:
    // Opens the file; throws IOException when it cannot be opened.
    explicit TextInputStream(const std::string& path);
    ~TextInputStream();
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    // Whether every byte has been read (EOF is a C macro, hence the spelling).
    bool Eof();

    // The next line without its line end; a line ends at LF, CR LF or CR. Declared UTF-8 when
    // its bytes are valid UTF-8, otherwise CP932 (the Japanese legacy encoding).
    EncodedText ReadLine();

    void Close();

private:
    bool Fill();

    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool atEnd_ = false;
};

}  // namespace fw
