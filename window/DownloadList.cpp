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
// The innermost filter of the reads now running, nil inside their turns of the event loop.
FirstMessageOnly* activeFilter = nullptr;
}  // namespace

FirstMessageOnly::FirstMessageOnly()
    : previous_(fw::SetMsgBoxHook([this](const std::string& text) {
          if (shown_) return;
          shown_ = true;
          if (previous_) {
              previous_(text);
          } else {
              std::cerr << text << '\n';
          }
      })),
      outer_(activeFilter) {
    activeFilter = this;
    if (!outer_) previousTurn_ = fw::SetEventLoopTurn(&UnfilteredTurn);
}

FirstMessageOnly::~FirstMessageOnly() {
    fw::SetMsgBoxHook(std::move(previous_));
    activeFilter = outer_;
    if (!outer_) fw::SetEventLoopTurn(previousTurn_);
}

// Runs the turn with the hooks that were in place before the outermost filter, and puts the
// filters back afterwards, also when the turn throws.
void FirstMessageOnly::UnfilteredTurn() {
    FirstMessageOnly* outermost = activeFilter;
    while (outermost && outermost->outer_) outermost = outermost->outer_;
    if (!outermost) return;
    const fw::EventLoopTurn turn = outermost->previousTurn_;
    struct Restore {
        FirstMessageOnly* active;
        fw::MsgBoxHook filter;
        ~Restore() {
            fw::SetEventLoopTurn(&UnfilteredTurn);
            activeFilter = active;
            fw::SetMsgBoxHook(std::move(filter));
        }
    } restore{activeFilter, fw::SetMsgBoxHook(outermost->previous_)};
    activeFilter = nullptr;
    fw::SetEventLoopTurn(turn);
    if (turn) turn();
}

void ReadLine(const fw::EncodedText& line, const std::function<void(const std::string&)>& add) {
    std::string text = fw::Trim(myglobal::MG_textconUni(line).bytes);
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
