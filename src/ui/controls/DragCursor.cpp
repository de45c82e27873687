#include "ui/controls/DragCursor.h"

#include <array>
#include <cstdint>

namespace {

// 32 x 32, hot spot at the arrow's tip. 'X' black, 'o' white, anything else transparent.
constexpr std::array<const char*, 32> kPicture = {
    "X                               ", "XX                              ",
    "XoX                             ", "XooX                            ",
    "XoooX                           ", "XooooX                          ",
    "XoooooX                         ", "XooooooX                        ",
    "XoooooooX                       ", "XooooooooX                      ",
    "XoooooXXXXX                     ", "XooXooX                         ",
    "XoX XooX                        ", "XX  XooX                        ",
    "X    XooX                       ", "     XooX  XXXXXXXXXXX          ",
    "      XX   XoooooooooX          ", "           XoXXXXXXXoX          ",
    "           XoooooooooX          ", "           XoXXXXXXooX          ",
    "           XoooooooooX          ", "           XoXXXXXXXoX          ",
    "           XoooooooooX          ", "           XoXXXXXoooX          ",
    "           XoooooooooX          ", "           XXXXXXXXXXX          ",
    "                                ", "                                ",
    "                                ", "                                ",
    "                                ", "                                ",
};

}  // namespace

UniqueCursor MakeDragCursor() {
    // Monochrome masks, one bit a pixel, most significant bit leftmost: the AND mask keeps the
    // screen where it is 1, the XOR mask then turns a cleared pixel white where it is 1.
    std::array<std::uint8_t, 32 * 4> andMask{};
    std::array<std::uint8_t, 32 * 4> xorMask{};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const char c = kPicture[static_cast<std::size_t>(y)][x];
            const std::size_t byte = static_cast<std::size_t>(y * 4 + x / 8);
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            if (c != 'X' && c != 'o') andMask[byte] |= bit;
            if (c == 'o') xorMask[byte] |= bit;
        }
    return UniqueCursor(
        CreateCursor(GetModuleHandleA(nullptr), 0, 0, 32, 32, andMask.data(), xorMask.data()));
}
