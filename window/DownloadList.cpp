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

void AddIfAccepted(std::string_view entry, const RowSink& add) {
    switch (Accept(entry)) {
        case Acceptance::AsItIs:
            add(entry);
            break;
        case Acceptance::WithH:
            add("h" + std::string(entry));
            break;
        case Acceptance::Refused:
            break;
    }
}

void ReadUtf8Line(std::string_view line, const RowSink& add) {
    const std::string_view text = fw::TrimmedView(line);
    if (fw::LenB(text) == 0) return;

    // Without "[" the expansion would give the line back unchanged and add nothing: the lines of
    // a plain list of a million URLs go to the list without a copy of their own.
    if (text.find('[') != std::string_view::npos) {
        std::vector<std::string> expansions;
        if (myglobal::MG_MakeRenbanList(std::string(text), expansions, 0).empty()) {
            // Expansions ending in "/" are kept: only a plain line names a folder that way.
            for (const std::string& entry : expansions) {
                if (!entry.empty()) AddIfAccepted(entry, add);
                fw::DoEvents();
                // Closing the window quits; the rest would go to a list nobody sees.
                if (fw::QuitRequested()) break;
            }
            return;
        }
    }
    if (text.back() == '/') return;
    AddIfAccepted(text, add);
}

}  // namespace

Acceptance Accept(std::string_view entry) {
    if (BeginsWith(entry, "http:")) return Acceptance::AsItIs;
    if (BeginsWith(entry, "ttp:")) return Acceptance::WithH;
    if (BeginsWith(entry, "ftp:")) return Acceptance::AsItIs;
    return Acceptance::Refused;
}

void ReadLine(std::string_view line, const std::optional<fw::TextEncoding>& encoding,
              const RowSink& add) {
    // Converting UTF-8 to UTF-8 gives the same bytes: skip the copy.
    if (encoding && *encoding == fw::Encodings::UTF8) {
        ReadUtf8Line(line, add);
        return;
    }
    const fw::EncodedText converted = myglobal::MG_textconUni({std::string(line), encoding});
    ReadUtf8Line(converted.bytes, add);
}

}  // namespace DownloadList
