#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/RenbanLimits.h"
#include "framework/core/TextEncoding.h"

// The download-list reader's rules that need no widgets: reading one line into rows, and the
// accepted prefixes.
namespace DownloadList {

// What an entry or a plain line adds to the list: itself when it begins with "http:" or "ftp:",
// itself with "h" in front when it begins with "ttp:", nothing otherwise ("https:" included).
// The prefixes are compared as characters with the system's string equality, so "HTTP:" is
// accepted.
enum class Acceptance : std::uint8_t { Refused, AsItIs, WithH };
Acceptance Accept(std::string_view entry);

// Whether the list has room for rows adding up to `rows`.
using RoomCheck = std::function<bool(const myglobal::renban::Figures& rows)>;
// Hands a line's or an entry's row to the list; false when the list took no more.
using RowSink = std::function<bool(std::string_view row)>;

// Reads one line of a download list, given as bytes in the list's encoding: converted to UTF-8
// and trimmed; a line holding a range is expanded without padding and every accepted expansion
// handed to `add`, in order; a plain line is handed over when accepted and not ending in "/".
// The line's rows are counted first: when `hasRoom` refuses them, none is handed over. The
// event loop gets a turn after each entry of an expansion. Returns false when the line was not
// read whole, for want of room or because `add` took no more.
bool ReadLine(std::string_view line, const std::optional<fw::TextEncoding>& encoding,
              const RoomCheck& hasRoom, const RowSink& add);

}  // namespace DownloadList
