#include "ui/controls/DragCursor.h"

#include <array>
#include <cstdint>
#include <vector>

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

UniqueCursor MakeDragCursor(int size) {
    // Monochrome masks, one bit a pixel, most significant bit leftmost, rows of whole 16-bit
    // words: the AND mask keeps the screen where it is 1, the XOR mask then turns a cleared
    // pixel white where it is 1.
    const int rowBytes = (size + 15) / 16 * 2;
    std::vector<std::uint8_t> andMask(static_cast<std::size_t>(rowBytes * size), 0);
    std::vector<std::uint8_t> xorMask(andMask.size(), 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const char c = kPicture[static_cast<std::size_t>(y * 32 / size)][x * 32 / size];
            const std::size_t byte = static_cast<std::size_t>(y * rowBytes + x / 8);
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            if (c != 'X' && c != 'o') andMask[byte] |= bit;
            if (c == 'o') xorMask[byte] |= bit;
        }
    return UniqueCursor(
        CreateCursor(GetModuleHandleA(nullptr), 0, 0, size, size, andMask.data(), xorMask.data()));
}
