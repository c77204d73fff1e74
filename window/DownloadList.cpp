#include "window/DownloadList.h"

#include <vector>

#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"
#include "framework/gui/Runtime.h"

namespace DownloadList {

namespace {

// Whether `text` begins with the ASCII `prefix`, letters in either case: the same answer as
// comparing its first Len(prefix) characters with the system's string equality, without
// cutting them out of every one of millions of entries.
bool BeginsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && fw::StrEq(text.substr(0, prefix.size()), prefix);
}

// Counts the row an entry or a plain line gives, if any.
void CountIfAccepted(std::string_view entry, myglobal::renban::Figures& rows) {
    const Acceptance acceptance = Accept(entry);
    if (acceptance == Acceptance::Refused) return;
    const auto bytes = static_cast<std::int64_t>(entry.size());
    rows += {1, acceptance == Acceptance::WithH ? bytes + 1 : bytes};
}

bool AddIfAccepted(std::string_view entry, const RowSink& add) {
    switch (Accept(entry)) {
        case Acceptance::AsItIs:
            return add(entry);
        case Acceptance::WithH:
            return add("h" + std::string(entry));
        case Acceptance::Refused:
            break;
    }
    return true;
}

bool ReadUtf8Line(std::string_view line, const RoomCheck& hasRoom, const RowSink& add) {
    const std::string_view text = fw::TrimmedView(line);
    if (fw::LenB(text) == 0) return true;

    myglobal::renban::Figures rows;
    // Without "[" the expansion would give the line back unchanged and add nothing: the lines of
    // a plain list of a million URLs go to the list without a copy of their own.
    if (text.find('[') != std::string_view::npos) {
        std::vector<std::string> expansions;
        if (myglobal::MG_MakeRenbanList(std::string(text), expansions, 0).empty()) {
            // Expansions ending in "/" are kept: only a plain line names a folder that way.
            for (const std::string& entry : expansions) CountIfAccepted(entry, rows);
            if (rows.entries > 0 && !hasRoom(rows)) return false;
            for (const std::string& entry : expansions) {
                if (!entry.empty() && !AddIfAccepted(entry, add)) return false;
                fw::DoEvents();
                // Closing the window quits; the rest would go to a list nobody sees.
                if (fw::QuitRequested()) break;
            }
            return true;
        }
    }
    if (text.back() == '/') return true;
    CountIfAccepted(text, rows);
    if (rows.entries > 0 && !hasRoom(rows)) return false;
    return AddIfAccepted(text, add);
}

}  // namespace

Acceptance Accept(std::string_view entry) {
    if (BeginsWith(entry, "http:")) return Acceptance::AsItIs;
    if (BeginsWith(entry, "ttp:")) return Acceptance::WithH;
    if (BeginsWith(entry, "ftp:")) return Acceptance::AsItIs;
    return Acceptance::Refused;
}

bool ReadLine(std::string_view line, const std::optional<fw::TextEncoding>& encoding,
              const RoomCheck& hasRoom, const RowSink& add) {
    // Converting UTF-8 to UTF-8 gives the same bytes: skip the copy.
    if (encoding && *encoding == fw::Encodings::UTF8) return ReadUtf8Line(line, hasRoom, add);
    const fw::EncodedText converted = myglobal::MG_textconUni({std::string(line), encoding});
    return ReadUtf8Line(converted.bytes, hasRoom, add);
}

}  // namespace DownloadList
