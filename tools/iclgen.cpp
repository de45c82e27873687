// Writes a 16-bit icon library (.icl) for the tests: a resource-only module in the
// "new executable" (NE) format, holding count icons. Icon i is one 32 x 32 image in
// 16 colours, filled with IconSetColourOf(i), and is group icon i of the file.
//
//   iclgen N out.icl
//
// Layout of the file:
//   0x00  DOS header ("MZ"), e_lfanew at 0x3C naming the NE header
//   0x40  a DOS stub that prints a line and ends
//   0x80  NE header (64 bytes); every table offset below counts from here,
//         except the non-resident names table, whose offset counts from the start of the file
//         resource table: alignment shift, the RT_GROUP_ICON type with its N entries, the RT_ICON
//         type with its N entries, a zero type, an empty resource-name list
//         resident names (module name), module references (none), imported names (empty),
//         entry table (empty), non-resident names (description)
//   then, each on an alignment boundary: the N group directories and the N icon images.
// Group directory i has the integer id i + 1 and names icon image i + 1; the shell lists
// icons in the order of the group directory entries in the resource table.

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "IconSetColours.h"

namespace {

constexpr unsigned kRtIcon = 0x8003;       // RT_ICON with the integer-type bit
constexpr unsigned kRtGroupIcon = 0x800E;  // RT_GROUP_ICON with the integer-type bit
constexpr unsigned kIntegerId = 0x8000;
constexpr unsigned kResourceFlags = 0x1C30;  // moveable, pure, discardable
constexpr std::size_t kNeHeaderAt = 0x80;
constexpr int kSide = 32;

[[noreturn]] void fail(const std::string& why) {
    std::cerr << "iclgen: " << why << "\n";
    std::exit(1);
}

void put8(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
}
void put16(std::string& s, unsigned v) {
    put8(s, v);
    put8(s, v >> 8);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
void pascal(std::string& s, const std::string& text) {
    put8(s, static_cast<unsigned>(text.size()));
    s += text;
}

// One icon image as RT_ICON holds it: BITMAPINFOHEADER (height counting the colour and the
// mask halves), 16-entry palette, 4-bit colour rows, 1-bit mask rows, bottom row first.
std::string solidImage(IconSetColour c) {
    const int colourRow = kSide / 2;  // 4 bits a pixel, already a multiple of 4 bytes
    const int maskRow = 4;            // 32 bits, one word
    std::string s;
    put32(s, 40);
    put32(s, kSide);
    put32(s, kSide * 2);
    put16(s, 1);
    put16(s, 4);
    put32(s, 0);
    put32(s, static_cast<std::uint32_t>((colourRow + maskRow) * kSide));
    put32(s, 0);
    put32(s, 0);
    put32(s, 16);
    put32(s, 0);
    for (int i = 0; i < 16; ++i) {  // index 1 is the icon's colour, the rest black
        const IconSetColour p = i == 1 ? c : IconSetColour{0, 0, 0};
        put8(s, p.b);
        put8(s, p.g);
        put8(s, p.r);
        put8(s, 0);
    }
    s += std::string(static_cast<std::size_t>(colourRow * kSide), '\x11');
    s += std::string(static_cast<std::size_t>(maskRow * kSide), '\0');  // every pixel opaque
    return s;
}

// GRPICONDIR with one GRPICONDIRENTRY naming the RT_ICON resource imageId.
std::string groupDirectory(std::uint32_t imageSize, unsigned imageId) {
    std::string s;
    put16(s, 0);
    put16(s, 1);
    put16(s, 1);
    put8(s, kSide);
    put8(s, kSide);
    put8(s, 16);
    put8(s, 0);
    put16(s, 1);
    put16(s, 4);
    put32(s, imageSize);
    put16(s, imageId);
    return s;
}

std::string dosPart() {
    std::string stub;
    // mov dx, message; mov ah, 9; int 21h; mov ax, 4C01h; int 21h
    const unsigned char code[] = {0xBA, 0x0E, 0x00, 0xB4, 0x09, 0xCD, 0x21,
                                  0xB8, 0x01, 0x4C, 0xCD, 0x21, 0x00, 0x00};
    stub.assign(reinterpret_cast<const char*>(code), sizeof code);
    stub += "This is an icon library, not a program.\r\n$";
    std::string s;
    put16(s, 0x5A4D);  // "MZ"
    const std::size_t total = 0x40 + stub.size();
    put16(s, static_cast<unsigned>(total % 512));
    put16(s, static_cast<unsigned>((total + 511) / 512));
    put16(s, 0);  // relocations
    put16(s, 4);  // header paragraphs
    put16(s, 0);
    put16(s, 0xFFFF);
    put16(s, 0);     // ss
    put16(s, 0xB8);  // sp
    put16(s, 0);
    put16(s, 0);  // ip
    put16(s, 0);  // cs
    put16(s, 0x40);
    put16(s, 0);
    s.resize(0x3C, '\0');
    put32(s, kNeHeaderAt);
    s += stub;
    if (s.size() > kNeHeaderAt) fail("DOS stub too long");
    s.resize(kNeHeaderAt, '\0');
    return s;
}

std::string iconLibrary(int count) {
    std::vector<std::string> groups, images;
    for (int i = 0; i < count; ++i) {
        images.push_back(solidImage(IconSetColourOf(i)));
        groups.push_back(groupDirectory(static_cast<std::uint32_t>(images.back().size()),
                                        static_cast<unsigned>(i + 1)));
    }

    // The NE header's offsets are words, so the tables stay small; the resource data is
    // addressed in alignment units, whose size grows with the library.
    std::size_t dataSize = 0;
    for (int i = 0; i < count; ++i) dataSize += groups[i].size() + images[i].size() + 32;
    unsigned shift = 4;
    while ((std::size_t{0xFFFF} << shift) < dataSize + 0x10000) ++shift;
    const std::size_t unit = std::size_t{1} << shift;

    const std::size_t typeTableSize = 2 + 2 * (8 + 12 * static_cast<std::size_t>(count)) + 2 + 1;
    const std::size_t rsrcTab = 64;
    // Everything after the NE header; the resource table is filled in once the data is placed.
    std::string tables(typeTableSize, '\0');
    const std::size_t resTab = rsrcTab + tables.size();
    pascal(tables, "ICONS");
    put16(tables, 0);
    put8(tables, 0);
    const std::size_t modTab = rsrcTab + tables.size();
    const std::size_t impTab = modTab;
    put8(tables, 0);
    const std::size_t entTab = rsrcTab + tables.size();
    put16(tables, 0);
    const std::size_t nresTabFromHeader = rsrcTab + tables.size();
    const std::size_t nresStart = tables.size();
    pascal(tables, "Kestrune test icon library");
    put16(tables, 0);
    put8(tables, 0);
    const std::size_t nresSize = tables.size() - nresStart;
    if (rsrcTab + tables.size() > 0xFFFF) fail("too many icons for the NE tables");

    std::string file = dosPart();
    std::string header;
    put16(header, 0x454E);  // "NE"
    put8(header, 5);
    put8(header, 10);
    put16(header, static_cast<unsigned>(entTab));
    put16(header, 2);
    put32(header, 0);
    put16(header, 0x8000);  // a library module
    put16(header, 0);
    put16(header, 0);
    put16(header, 0);
    put32(header, 0);
    put32(header, 0);
    put16(header, 0);  // segments
    put16(header, 0);  // module references
    put16(header, static_cast<unsigned>(nresSize));
    put16(header, static_cast<unsigned>(rsrcTab));  // segment table: empty, where the next starts
    put16(header, static_cast<unsigned>(rsrcTab));
    put16(header, static_cast<unsigned>(resTab));
    put16(header, static_cast<unsigned>(modTab));
    put16(header, static_cast<unsigned>(impTab));
    put32(header, static_cast<std::uint32_t>(kNeHeaderAt + nresTabFromHeader));
    put16(header, 0);
    put16(header, shift);
    put16(header, 0);  // resource segments
    put8(header, 2);   // Windows
    put8(header, 0);
    put16(header, 0);
    put16(header, 0);
    put16(header, 0);
    put16(header, 0x030A);  // Windows 3.10
    if (header.size() != 64) fail("NE header size");
    file += header;
    const std::size_t tablesAt = file.size();
    file += tables;

    // Resource data, each item on an alignment boundary.
    auto align = [&] { file.resize((file.size() + unit - 1) / unit * unit, '\0'); };
    struct Placed {
        std::size_t offset, length;
    };
    std::vector<Placed> groupAt, imageAt;
    for (int i = 0; i < count; ++i) {
        align();
        groupAt.push_back({file.size() >> shift, (groups[i].size() + unit - 1) >> shift});
        file += groups[i];
    }
    for (int i = 0; i < count; ++i) {
        align();
        imageAt.push_back({file.size() >> shift, (images[i].size() + unit - 1) >> shift});
        file += images[i];
    }
    align();

    // The resource table, now that the data has its places.
    std::string rsrc;
    put16(rsrc, shift);
    auto putType = [&](unsigned type, const std::vector<Placed>& placed) {
        put16(rsrc, type);
        put16(rsrc, static_cast<unsigned>(count));
        put32(rsrc, 0);
        for (int i = 0; i < count; ++i) {
            if (placed[i].offset > 0xFFFF || placed[i].length > 0xFFFF) fail("resource too far");
            put16(rsrc, static_cast<unsigned>(placed[i].offset));
            put16(rsrc, static_cast<unsigned>(placed[i].length));
            put16(rsrc, kResourceFlags);
            put16(rsrc, kIntegerId | static_cast<unsigned>(i + 1));
            put16(rsrc, 0);
            put16(rsrc, 0);
        }
    };
    putType(kRtGroupIcon, groupAt);
    putType(kRtIcon, imageAt);
    put16(rsrc, 0);  // end of types
    put8(rsrc, 0);   // no resource names
    if (rsrc.size() != typeTableSize) fail("resource table size");
    file.replace(tablesAt, rsrc.size(), rsrc);
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) fail("usage: iclgen N out.icl");
    const int count = std::atoi(argv[1]);
    if (count < 1 || count > 0x7FFF) fail("the icon count must be 1 to 32767");
    const std::string data = iconLibrary(count);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!out) fail(std::string("cannot write ") + argv[2]);
    return 0;
}
