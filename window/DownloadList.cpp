#include "window/DownloadList.h"

#include <iostream>
#include <vector>

#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"
#include "framework/core/Strings.h"

namespace DownloadList {

std::optional<std::string> AcceptedRow(std::string entry) {
    // The first five characters once: expanded lines test millions of entries.
    const std::string head = fw::Left(entry, 5);
    if (fw::StrEq(head, "http:")) return entry;
    const std::string head4 = fw::Left(head, 4);
    if (fw::StrEq(head4, "ttp:")) return "h" + entry;
    if (fw::StrEq(head4, "ftp:")) return entry;
    return std::nullopt;
}

namespace {

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

void ReadLine(fw::EncodedText line, const std::function<void(const std::string&)>& add) {
    std::string text = myglobal::MG_textconUni(std::move(line)).bytes;
    fw::TrimInPlace(text);
    if (fw::LenB(text) == 0) return;

    std::vector<std::string> expansions;
    if (myglobal::MG_MakeRenbanList(text, expansions, 0).empty()) {
        // Expansions ending in "/" are kept: only a plain line names a folder that way.
        for (std::string& entry : expansions) {
            if (!entry.empty()) {
                if (auto row = AcceptedRow(std::move(entry))) add(*row);
            }
            fw::DoEvents();
        }
        return;
    }
    if (fw::RightB(text, 1) == "/") return;
    if (auto row = AcceptedRow(std::move(text))) add(*row);
}

}  // namespace DownloadList
