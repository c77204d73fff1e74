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

// Bytes of the row an entry or a plain line gives, accepted as `acceptance` says.
std::int64_t RowBytes(std::string_view entry, Acceptance acceptance) {
    return static_cast<std::int64_t>(entry.size()) + (acceptance == Acceptance::WithH ? 1 : 0);
}

bool AddAccepted(std::string_view entry, Acceptance acceptance, const RowSink& add) {
    return acceptance == Acceptance::WithH ? add("h" + std::string(entry)) : add(entry);
}

// Frees the entries one by one, with turns of the event loop: freeing ten million at once keeps
// the window waiting.
void Release(std::vector<std::string>& entries) {
    for (std::string& entry : entries) {
        std::string().swap(entry);
        fw::DoEvents();
    }
}

bool ReadUtf8Line(std::string_view line, const RoomCheck& hasRoom, const RowSink& add) {
    const std::string_view text = fw::TrimmedView(line);
    if (fw::LenB(text) == 0) return true;

    // Without "[" the expansion would give the line back unchanged and add nothing: the lines of
    // a plain list of a million URLs go to the list without a copy of their own.
    if (text.find('[') != std::string_view::npos) {
        std::vector<std::string> expansions;
        if (myglobal::MG_MakeRenbanList(std::string(text), expansions, 0).empty()) {
            // Expansions ending in "/" are kept: only a plain line names a folder that way. The
            // rows are counted before any is added, and each entry is judged once.
            const std::size_t n = expansions.size();
            std::vector<Acceptance> acceptance(n);
            myglobal::renban::Figures rows;
            for (std::size_t i = 0; i < n; ++i) {
                acceptance[i] = Accept(expansions[i]);
                if (acceptance[i] != Acceptance::Refused)
                    rows += {1, RowBytes(expansions[i], acceptance[i])};
                // An entry is judged in nanoseconds: a turn now and then is enough.
                if (i % 4096 == 4095) fw::DoEvents();
            }
            if (rows.entries > 0 && !hasRoom(rows)) {
                Release(expansions);
                return false;
            }
            for (std::size_t i = 0; i < n; ++i) {
                std::string& entry = expansions[i];
                if (acceptance[i] != Acceptance::Refused && !AddAccepted(entry, acceptance[i], add))
                    return false;
                // Freed as it goes in, as Release frees them.
                std::string().swap(entry);
                fw::DoEvents();
                // Closing the window quits; the rest would go to a list nobody sees.
                if (fw::QuitRequested()) break;
            }
            return true;
        }
    }
    if (text.back() == '/') return true;
    const Acceptance a = Accept(text);
    if (a == Acceptance::Refused) return true;
    return hasRoom({1, RowBytes(text, a)}) && AddAccepted(text, a, add);
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
