#include "engine/RenbanLimits.h"

#include "engine/RenbanTexts.h"

namespace myglobal::renban {

void Budget::Take(std::int64_t entries, std::int64_t bytes) {
    if (entries > entries_) {
        throw RenbanRefused(texts::TooManyEntries(kMaxRenbanEntries - entries_ + entries));
    }
    if (bytes > bytes_) throw RenbanRefused(texts::TooManyBytes());
    entries_ -= entries;
    bytes_ -= bytes;
}

}  // namespace myglobal::renban
