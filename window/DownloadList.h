#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "framework/core/TextEncoding.h"

// The download-list reader's rules that need no widgets: reading one line into rows, and the
// accepted prefixes.
namespace DownloadList {

// What an entry or a plain line adds to the list: itself when it begins with "http:" or "ftp:",
// itself with "h" in front when it begins with "ttp:", nothing otherwise ("https:" included).
// The prefixes are compared as characters with the system's string equality, so "HTTP:" is
// accepted.
enum class Acceptance { Refused, AsItIs, WithH };
Acceptance Accept(std::string_view entry);

// Hands a line's or an entry's row to the list.
using RowSink = std::function<void(std::string_view row)>;

// Reads one line of a download list, given as bytes in the list's encoding: converted to UTF-8
// and trimmed; a line holding a range is expanded without padding and every accepted expansion
// handed to `add`, in order; a plain line is handed over when accepted and not ending in "/".
// The event loop gets a turn after each entry of an expansion.
void ReadLine(std::string_view line, const std::optional<fw::TextEncoding>& encoding,
              const RowSink& add);

}  // namespace DownloadList
