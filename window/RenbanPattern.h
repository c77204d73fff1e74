#pragma once

#include <string>
#include <string_view>

// The generator page's rules for its pattern field.
namespace RenbanPattern {

// The pattern built from the four part fields: before + "[" + first + "-" + last + "]" + after,
// or only before + after while both values are empty. Nothing is trimmed or checked.
std::string Compose(const std::string& before, const std::string& first, const std::string& last,
                    const std::string& after);

// The generate button is offered while the pattern holds a "[" byte and a "]" byte, anywhere
// and in either order.
bool CanGenerate(std::string_view pattern);

}  // namespace RenbanPattern
