#include "window/RenbanPattern.h"

namespace RenbanPattern {

std::string Compose(const std::string& before, const std::string& first, const std::string& last,
                    const std::string& after) {
    if (first.empty() && last.empty()) return before + after;
    std::string pattern;
    pattern.reserve(before.size() + first.size() + last.size() + after.size() + 3);
    pattern += before;
    pattern += '[';
    pattern += first;
    pattern += '-';
    pattern += last;
    pattern += ']';
    pattern += after;
    return pattern;
}

bool CanGenerate(std::string_view pattern) {
    return pattern.find('[') != std::string_view::npos &&
           pattern.find(']') != std::string_view::npos;
}

}  // namespace RenbanPattern
