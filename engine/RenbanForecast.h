#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/RenbanLimits.h"

// What a call will give, worked out from its texts before anything is appended, so that a call
// over the caps is refused whole. Values bring no bracket into an entry, so the entries that one
// text becomes all have one shape, and the shapes are followed pass by pass instead of the
// entries: in time linear in the texts, whatever the call would give.
namespace myglobal::renban {

struct Forecast {
    // The entries the first range appends, then those each pass appends until one finds nothing.
    std::vector<std::int64_t> appended;
    // What the call leaves in the list in place of what it takes out of it.
    Figures result;
    // Why the call is refused, if it is, and whether the refusal is a pass's rather than the
    // first range's.
    std::optional<std::string> refusal;
    bool refusedInPass = false;

    // The entries appended at `stage` (0 the first range, then the passes); none beyond the last.
    std::int64_t AppendedAt(std::size_t stage) const {
        return stage < appended.size() ? appended[stage] : 0;
    }
};

// A call of MG_MakeRenbanList: the first range of `pattern`, read with lower-casing, then
// `passes` passes (none below 2) over `list` with the entries of the pattern behind it.
Forecast ForecastCall(std::string_view pattern, const std::vector<std::string>& list, bool pad,
                      std::int32_t passes);

// One pass over `list`, on its own.
Forecast ForecastPass(const std::vector<std::string>& list, bool pad);

}  // namespace myglobal::renban
