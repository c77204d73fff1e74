#include "engine/myNTFCF.h"

#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"

namespace myNTFCF {

std::int32_t MG_countFields(const std::string& text, const std::string& delimiter) {
    fw::FieldsB fields(text, delimiter);
    std::int32_t count = 1;
    for (fields.Next(); !fields.Last(); fields.Next()) {
        ++count;
        fw::DoEvents();
    }
    return count;
}

std::string MG_nthField(const std::string& text, const std::string& delimiter, std::int32_t n) {
    if (n < 1) return text;
    fw::FieldsB fields(text, delimiter);
    // One turn for every occurrence met on the way to field n.
    for (std::int32_t j = 1;; ++j) {
        const std::string_view field = *fields.Next();
        if (fields.Last()) return j == n ? std::string(field) : std::string();
        fw::DoEvents();
        if (j == n) return std::string(field);
    }
}

}  // namespace myNTFCF
