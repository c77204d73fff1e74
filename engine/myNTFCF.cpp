#include "engine/myNTFCF.h"

#include "framework/core/EventLoop.h"
#include "framework/core/Strings.h"

namespace myNTFCF {

std::int32_t MG_countFields(const std::string& text, const std::string& delimiter) {
    const std::int32_t length = fw::LenB(delimiter);
    std::int32_t count = 0;
    std::int32_t position = 0;
    while (true) {
        const std::int32_t p = fw::InStrB(position, text, delimiter);
        if (p == 0) break;
        ++count;
        position = p + length;
        fw::DoEvents();
    }
    return count + 1;
}

std::string MG_nthField(const std::string& text, const std::string& delimiter, std::int32_t n) {
    const std::int32_t length = fw::LenB(delimiter);
    std::int32_t position = 0;
    std::int32_t fieldStart = 1;
    for (std::int32_t j = 1; j <= n; ++j) {
        const std::int32_t p = fw::InStrB(position, text, delimiter);
        if (p == 0) return j == n ? fw::MidB(text, fieldStart) : std::string();
        position = p + length;
        if (j == n - 1) fieldStart = position;
        fw::DoEvents();
    }
    if (n < 1) return text;
    return fw::MidB(text, fieldStart, position - fieldStart - length);
}

}  // namespace myNTFCF
