#pragma once

#include <cstdint>

namespace fw {

// An opaque RGB colour, as the system's tables write them (#EDF3FE).
struct Color {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;

    static constexpr Color FromHex(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb)};
    }
    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color RGB(int r, int g, int b) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(b)};
}

}  // namespace fw
