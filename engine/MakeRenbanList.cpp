#include <functional>
#include <string_view>

#include "engine/RenbanForecast.h"
#include "engine/RenbanRange.h"
#include "engine/RenbanTexts.h"
#include "engine/myNTFCF.h"
#include "engine/myglobal.h"
#include "framework/core/EventLoop.h"
#include "framework/core/MsgBox.h"

namespace myglobal {
namespace {

// Whether `s` is one of the list's own entries, which move when the list grows.
bool IsEntryOf(const std::string& s, const std::vector<std::string>& list) {
    const std::less<const std::string*> before;
    return !list.empty() && !before(&s, list.data()) && before(&s, list.data() + list.size());
}

// Shows why a call was refused; the title names the operation, as a failure's does.
void ReportRefusal(const renban::Forecast& forecast) {
    fw::MsgBox(std::string(forecast.refusedInPass ? texts::kPassError : texts::kMakeListError) +
               "\n" + *forecast.refusal);
}

enum class PassEnd { Expanded, NothingLeft, Failed };

// Removes the entries at `removed` (ascending indices) and closes the gaps, keeping the order of
// the rest. The pass expands entry after entry and removes each one: erasing them one at a time
// from the front would cost time quadratic in the entries.
void RemoveExpanded(std::vector<std::string>& list, const std::vector<std::size_t>& removed) {
    if (removed.empty()) return;
    std::size_t write = removed.front();
    std::size_t next = 0;
    for (std::size_t read = removed.front(); read < list.size(); ++read) {
        if (next < removed.size() && removed[next] == read) {
            ++next;
            continue;
        }
        list[write++] = std::move(list[read]);
    }
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(write), list.end());
}

// One pass over the entries present at its start, which the forecast says append `appended`
// entries: the list grows only once.
PassEnd RunPass(std::vector<std::string>& list, bool pad, std::int64_t appended) {
    const std::size_t end = list.size();
    std::vector<std::size_t> expanded;
    try {
        list.reserve(list.size() + static_cast<std::size_t>(appended));
        for (std::size_t i = 0; i < end; ++i) {
            if (renban::HoldsBrackets(list[i])) {
                // Moved out so that the views of the range stay valid while the list grows.
                std::string entry = std::move(list[i]);
                try {
                    renban::AppendRange(list, renban::ReadFirstRange(entry, false, pad));
                } catch (...) {
                    list[i] = std::move(entry);
                    throw;
                }
                expanded.push_back(i);
            }
            fw::DoEvents();
        }
    } catch (...) {
        RemoveExpanded(list, expanded);
        fw::MsgBox(texts::kPassError);
        return PassEnd::Failed;
    }
    RemoveExpanded(list, expanded);
    return expanded.empty() ? PassEnd::NothingLeft : PassEnd::Expanded;
}

}  // namespace

std::string MG_MakeRenbanList(const std::string& pattern, std::vector<std::string>& list,
                              std::int32_t mode) {
    bool refused = false;
    return MG_MakeRenbanList(pattern, list, mode, refused);
}

std::string MG_MakeRenbanList(const std::string& pattern, std::vector<std::string>& list,
                              std::int32_t mode, bool& refused) {
    refused = false;
    // The range is read from the pattern while entries are appended.
    if (IsEntryOf(pattern, list))
        return MG_MakeRenbanList(std::string(pattern), list, mode, refused);
    const bool pad = mode == 1;
    try {
        if (!renban::HoldsBrackets(pattern)) return pattern;
        // Only the first bracket is validated, on the text as typed.
        if (renban::FirstRangeText(pattern).find('-') == std::string_view::npos) return pattern;

        const std::int32_t opens = myNTFCF::MG_countFields(pattern, "[") - 1;
        const std::int32_t closes = myNTFCF::MG_countFields(pattern, "]") - 1;
        const std::int32_t passes = opens == closes ? opens : 0;

        // A call over the caps is refused before anything is appended, so the list stays as it
        // was.
        const renban::Forecast forecast = renban::ForecastCall(pattern, list, pad, passes);
        if (forecast.refusal) {
            refused = true;
            ReportRefusal(forecast);
            return "";
        }

        const auto spec = renban::ReadFirstRange(pattern, true, pad);
        list.reserve(list.size() + static_cast<std::size_t>(forecast.AppendedAt(0)));
        renban::AppendRange(list, spec);

        // A pass reports its own failures; what the turn between two passes raises is the
        // call's, like that of the first range.
        for (std::int32_t p = 0; passes > 1 && p < passes; ++p) {
            const PassEnd end =
                RunPass(list, pad, forecast.AppendedAt(static_cast<std::size_t>(p) + 1));
            // A pass that found no brackets leaves the list as it was, and so would every later
            // one. A failed pass ends the call with its one message: the next pass would meet
            // the same entry again and show the box again, once per bracket.
            if (end != PassEnd::Expanded) break;
            fw::DoEvents();
        }
    } catch (...) {
        fw::MsgBox(texts::kMakeListError);
    }
    return "";
}

void MP_MakeRenbanList(std::vector<std::string>& list, bool pad) {
    const renban::Forecast forecast = renban::ForecastPass(list, pad);
    if (forecast.refusal) {
        ReportRefusal(forecast);
        return;
    }
    RunPass(list, pad, forecast.AppendedAt(0));
}

}  // namespace myglobal
