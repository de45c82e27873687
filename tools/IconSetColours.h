#pragma once
// Colour of icon i in the generated test icon sets, shared by the generator and the tests
// that look at the pixels.

#include <cstdint>

struct IconSetColour {
    std::uint8_t r, g, b;
};

inline IconSetColour IconSetColourOf(int i) {
    static constexpr IconSetColour first[10] = {
        {0xFF, 0x00, 0x00}, {0x00, 0xC0, 0x00}, {0x00, 0x00, 0xFF}, {0xFF, 0xFF, 0x00},
        {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0x80, 0x00, 0x00}, {0x00, 0x80, 0x80},
        {0xFF, 0x80, 0x00}, {0x80, 0x00, 0xFF}};
    if (i >= 0 && i < 10) return first[i];
    const auto u = static_cast<std::uint32_t>(i) * 2654435761u;
    return {static_cast<std::uint8_t>(u >> 24), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 8)};
}
