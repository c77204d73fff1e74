#include "window/DownloadList.h"

#include <iostream>
#include <vector>

#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"
#include "framework/core/Strings.h"

namespace DownloadList {

namespace {

// Whether `text` begins with the ASCII `prefix`, letters in either case: the same answer as
// comparing its first Len(prefix) characters with the system's string equality, without
// cutting them out of every one of millions of entries.
bool BeginsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && fw::StrEq(text.substr(0, prefix.size()), prefix);
}

// Reads now running, and how deep inside their turns of the event loop the program is.
int liveFilters = 0;
int turnDepth = 0;
fw::EventLoopTurn plainTurn = nullptr;

// The turn the reads give the event loop: the usual one, counted, so that a message raised by
// an event handled there is known not to be the read's own.
void CountedTurn() {
    struct Depth {
        Depth() { ++turnDepth; }
        ~Depth() { --turnDepth; }
    } depth;
    if (plainTurn) plainTurn();
}

}  // namespace

Acceptance Accept(std::string_view entry) {
    if (BeginsWith(entry, "http:")) return Acceptance::AsItIs;
    if (BeginsWith(entry, "ttp:")) return Acceptance::WithH;
    if (BeginsWith(entry, "ftp:")) return Acceptance::AsItIs;
    return Acceptance::Refused;
}

FirstMessageOnly::FirstMessageOnly()
    : depth_(turnDepth), previous_(fw::SetMsgBoxHook([this](const std::string& text) {
          const bool own = turnDepth == depth_;
          if (own && shown_) return;
          if (own) shown_ = true;
          if (previous_) {
              previous_(text);
          } else {
              std::cerr << text << '\n';
          }
      })) {
    if (liveFilters++ == 0) plainTurn = fw::SetEventLoopTurn(&CountedTurn);
}

FirstMessageOnly::~FirstMessageOnly() {
    fw::SetMsgBoxHook(std::move(previous_));
    if (--liveFilters == 0) fw::SetEventLoopTurn(plainTurn);
}

namespace {

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
            }
            return;
        }
    }
    if (text.back() == '/') return;
    AddIfAccepted(text, add);
}

}  // namespace

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
