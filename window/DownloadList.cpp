#include "window/DownloadList.h"

#include <vector>

#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"

namespace DownloadList {

std::optional<std::string> AcceptedRow(std::string entry) {
    if (fw::StrEq(fw::Left(entry, 5), "http:")) return entry;
    if (fw::StrEq(fw::Left(entry, 4), "ttp:")) return "h" + entry;
    if (fw::StrEq(fw::Left(entry, 4), "ftp:")) return entry;
    return std::nullopt;
}

void ReadLine(const fw::EncodedText& line, const std::function<void(const std::string&)>& add) {
    const std::string text = fw::Trim(myglobal::MG_textconUni(line).bytes);
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
    if (auto row = AcceptedRow(text)) add(*row);
}

}  // namespace DownloadList
