// Turns the program's text pixel art into .ico and .bmp files at build time.
//
//   icongen ico  picture.pix out.ico     the picture at 100, 150 and 200 percent (32, 48 and
//                                        64 pixels for a 32 x 32 picture), each image of 16
//                                        colours (4 bits) when the picture uses at most 15
//                                        colours, else 24 bits
//   icongen bmp  picture.pix out.bmp [P] 24-bit bitmap of the picture at P percent (100, 150
//                                        or 200; 100 when left out); transparent pixels become
//                                        magenta
//   icongen solid RRGGBB out.ico         a 32 x 32 icon filled with one colour (test data)
//   icongen iconset N dir                dir/icon<i>.ico for i < N, each filled with the
//                                        colour IconSetColourOf(i), and dir/iconset.rc
//                                        naming them ICON_0000... in that order (test data)
//
// The larger images are drawn from the pixel art by the Scale2x and Scale3x rules, which make
// each pixel a block of its own colour and round off only its stair-stepped diagonals: the
// edges stay as sharp as the pixel art's, and no colour is mixed. 150 percent takes every
// other pixel across and down of the threefold picture.
//
// A picture file: '#' lines are comments; "size W H"; "colour C RRGGBB" or "colour C none"
// (C is one character); then "pixels" followed by H lines of W characters.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>
#include <cstdlib>
#include <iomanip>

#include "IconSetColours.h"

namespace {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool transparent = false;
    bool operator<(const Rgb& o) const {
        return std::tie(transparent, r, g, b) < std::tie(o.transparent, o.r, o.g, o.b);
    }
    bool operator==(const Rgb& o) const {
        return std::tie(transparent, r, g, b) == std::tie(o.transparent, o.r, o.g, o.b);
    }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // top row first
};

// The pixel at (x, y), the nearest edge pixel for a place outside the picture.
const Rgb& at(const Picture& pic, int x, int y) {
    x = x < 0 ? 0 : (x >= pic.width ? pic.width - 1 : x);
    y = y < 0 ? 0 : (y >= pic.height ? pic.height - 1 : y);
    return pic.pixels[static_cast<size_t>(y * pic.width + x)];
}

// Each pixel E, with B above, D left, F right and H below it, becomes a 2 x 2 block.
Picture scale2x(const Picture& pic) {
    Picture out{pic.width * 2, pic.height * 2, {}};
    out.pixels.resize(static_cast<size_t>(out.width * out.height));
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x) {
            const Rgb &B = at(pic, x, y - 1), &D = at(pic, x - 1, y), &E = at(pic, x, y),
                      &F = at(pic, x + 1, y), &H = at(pic, x, y + 1);
            const bool edge = B != H && D != F;
            const Rgb block[4] = {edge && D == B ? D : E, edge && B == F ? F : E,
                                  edge && D == H ? D : E, edge && H == F ? F : E};
            for (int i = 0; i < 4; ++i)
                out.pixels[static_cast<size_t>((2 * y + i / 2) * out.width + 2 * x + i % 2)] =
                    block[i];
        }
    return out;
}

// Each pixel E, among A B C / D E F / G H I, becomes a 3 x 3 block.
Picture scale3x(const Picture& pic) {
    Picture out{pic.width * 3, pic.height * 3, {}};
    out.pixels.resize(static_cast<size_t>(out.width * out.height));
    for (int y = 0; y < pic.height; ++y)
        for (int x = 0; x < pic.width; ++x) {
            const Rgb &A = at(pic, x - 1, y - 1), &B = at(pic, x, y - 1),
                      &C = at(pic, x + 1, y - 1), &D = at(pic, x - 1, y), &E = at(pic, x, y),
                      &F = at(pic, x + 1, y), &G = at(pic, x - 1, y + 1), &H = at(pic, x, y + 1),
                      &I = at(pic, x + 1, y + 1);
            Rgb block[9] = {E, E, E, E, E, E, E, E, E};
            if (B != H && D != F) {
                block[0] = D == B ? D : E;
                block[1] = (D == B && E != C) || (B == F && E != A) ? B : E;
                block[2] = B == F ? F : E;
                block[3] = (D == B && E != G) || (D == H && E != A) ? D : E;
                block[5] = (B == F && E != I) || (H == F && E != C) ? F : E;
                block[6] = D == H ? D : E;
                block[7] = (D == H && E != I) || (H == F && E != G) ? H : E;
                block[8] = H == F ? F : E;
            }
            for (int i = 0; i < 9; ++i)
                out.pixels[static_cast<size_t>((3 * y + i / 3) * out.width + 3 * x + i % 3)] =
                    block[i];
        }
    return out;
}

// The picture at percent 100, 150 or 200 of its size.
Picture scaled(const Picture& pic, int percent);

[[noreturn]] void fail(const std::string& why) {
    std::cerr << "icongen: " << why << "\n";
    std::exit(1);
}

Rgb parseColour(const std::string& text) {
    Rgb c;
    if (text == "none") {
        c.transparent = true;
        return c;
    }
    if (text.size() != 6) fail("bad colour " + text);
    const unsigned long v = std::stoul(text, nullptr, 16);
    c.r = static_cast<std::uint8_t>(v >> 16);
    c.g = static_cast<std::uint8_t>(v >> 8);
    c.b = static_cast<std::uint8_t>(v);
    return c;
}

Picture readPicture(const std::string& path) {
    std::ifstream in(path);
    if (!in) fail("cannot read " + path);
    Picture pic;
    std::map<char, Rgb> palette;
    std::string line;
    bool inPixels = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (inPixels) {
            if (static_cast<int>(pic.pixels.size()) >= pic.width * pic.height) break;
            if (static_cast<int>(line.size()) < pic.width) fail("short pixel row in " + path);
            for (int x = 0; x < pic.width; ++x) {
                auto it = palette.find(line[x]);
                if (it == palette.end()) fail(std::string("unknown colour '") + line[x] + "'");
                pic.pixels.push_back(it->second);
            }
            continue;
        }
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "size") {
            words >> pic.width >> pic.height;
        } else if (word == "colour") {
            std::string key, value;
            words >> key >> value;
            if (key.size() != 1) fail("colour key must be one character");
            palette[key[0]] = parseColour(value);
        } else if (word == "pixels") {
            inPixels = true;
        } else {
            fail("unknown line: " + line);
        }
    }
    if (pic.width <= 0 || static_cast<int>(pic.pixels.size()) != pic.width * pic.height)
        fail("incomplete picture " + path);
    return pic;
}

Picture scaled(const Picture& pic, int percent) {
    if (percent == 100) return pic;
    if (percent == 200) return scale2x(pic);
    if (percent != 150) fail("no picture is made at " + std::to_string(percent) + " percent");
    const Picture three = scale3x(pic);
    Picture out{pic.width * 3 / 2, pic.height * 3 / 2, {}};
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.pixels.push_back(at(three, 2 * x, 2 * y));
    return out;
}

void put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// BITMAPINFOHEADER; for icons the height counts the XOR and AND halves.
void putInfoHeader(std::string& s, int w, int h, int bpp, int colours, std::uint32_t imageSize) {
    put32(s, 40);
    put32(s, static_cast<std::uint32_t>(w));
    put32(s, static_cast<std::uint32_t>(h));
    put16(s, 1);
    put16(s, static_cast<unsigned>(bpp));
    put32(s, 0);
    put32(s, imageSize);
    put32(s, 0);
    put32(s, 0);
    put32(s, static_cast<std::uint32_t>(colours));
    put32(s, 0);
}

int rowBytes(int width, int bpp) {
    return ((width * bpp + 31) / 32) * 4;
}

std::string iconImage(const Picture& pic) {
    std::vector<Rgb> palette;
    std::map<Rgb, int> indexOf;
    for (const Rgb& p : pic.pixels) {
        if (p.transparent) continue;
        if (!indexOf.count(p)) {
            indexOf[p] = static_cast<int>(palette.size());
            palette.push_back(p);
        }
    }
    const bool paletted = palette.size() <= 15;
    const int bpp = paletted ? 4 : 24;
    const int xorRow = rowBytes(pic.width, bpp);
    const int andRow = rowBytes(pic.width, 1);
    const std::uint32_t size = static_cast<std::uint32_t>((xorRow + andRow) * pic.height);

    std::string s;
    putInfoHeader(s, pic.width, pic.height * 2, bpp, paletted ? 16 : 0, size);
    if (paletted) {
        // Index 0 is black: the colour behind transparent pixels.
        std::vector<Rgb> table(16);
        for (size_t i = 0; i < palette.size(); ++i) table[i + 1] = palette[i];
        for (const Rgb& c : table) {
            s += static_cast<char>(c.b);
            s += static_cast<char>(c.g);
            s += static_cast<char>(c.r);
            s += '\0';
        }
    }
    for (int y = pic.height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(xorRow), '\0');
        for (int x = 0; x < pic.width; ++x) {
            const Rgb& p = pic.pixels[static_cast<size_t>(y * pic.width + x)];
            if (paletted) {
                const int idx = p.transparent ? 0 : indexOf[p] + 1;
                row[static_cast<size_t>(x / 2)] |= static_cast<char>(x % 2 ? idx : idx << 4);
            } else if (!p.transparent) {
                row[static_cast<size_t>(x * 3)] = static_cast<char>(p.b);
                row[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(p.g);
                row[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(p.r);
            }
        }
        s += row;
    }
    for (int y = pic.height - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(andRow), '\0');
        for (int x = 0; x < pic.width; ++x)
            if (pic.pixels[static_cast<size_t>(y * pic.width + x)].transparent)
                row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        s += row;
    }
    return s;
}

std::string iconFile(const std::vector<Picture>& pics) {
    std::string directory, images;
    put16(directory, 0);
    put16(directory, 1);  // icon
    put16(directory, static_cast<unsigned>(pics.size()));
    const size_t firstImage = 6 + 16 * pics.size();
    for (const Picture& pic : pics) {
        const std::string image = iconImage(pic);
        const bool paletted =
            image.size() < 40u + 64u + static_cast<size_t>(pic.width * pic.height * 3);
        directory += static_cast<char>(pic.width >= 256 ? 0 : pic.width);
        directory += static_cast<char>(pic.height >= 256 ? 0 : pic.height);
        directory += static_cast<char>(paletted ? 16 : 0);
        directory += '\0';
        put16(directory, 1);
        put16(directory, paletted ? 4 : 24);
        put32(directory, static_cast<std::uint32_t>(image.size()));
        put32(directory, static_cast<std::uint32_t>(firstImage + images.size()));
        images += image;
    }
    return directory + images;
}

std::string bitmapFile(const Picture& pic) {
    const int row = rowBytes(pic.width, 24);
    const std::uint32_t size = static_cast<std::uint32_t>(row * pic.height);
    std::string s = "BM";
    put32(s, 14 + 40 + size);
    put32(s, 0);
    put32(s, 14 + 40);
    putInfoHeader(s, pic.width, pic.height, 24, 0, size);
    for (int y = pic.height - 1; y >= 0; --y) {
        std::string r(static_cast<size_t>(row), '\0');
        for (int x = 0; x < pic.width; ++x) {
            Rgb p = pic.pixels[static_cast<size_t>(y * pic.width + x)];
            if (p.transparent) p = Rgb{0xFF, 0x00, 0xFF, false};
            r[static_cast<size_t>(x * 3)] = static_cast<char>(p.b);
            r[static_cast<size_t>(x * 3 + 1)] = static_cast<char>(p.g);
            r[static_cast<size_t>(x * 3 + 2)] = static_cast<char>(p.r);
        }
        s += r;
    }
    return s;
}

void write(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!out) fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5)
        fail("usage: icongen ico|bmp picture.pix out [percent] | icongen solid RRGGBB out.ico");
    const std::string mode = argv[1];
    if (mode == "ico") {
        const Picture pic = readPicture(argv[2]);
        write(argv[3], iconFile({pic, scaled(pic, 150), scaled(pic, 200)}));
    } else if (mode == "bmp") {
        write(argv[3],
              bitmapFile(scaled(readPicture(argv[2]), argc == 5 ? std::stoi(argv[4]) : 100)));
    } else if (mode == "solid") {
        Picture pic;
        pic.width = pic.height = 32;
        pic.pixels.assign(32 * 32, parseColour(argv[2]));
        write(argv[3], iconFile({pic}));
    } else if (mode == "iconset") {
        const int count = std::stoi(argv[2]);
        const std::string dir = argv[3];
        std::ostringstream rc;
        for (int i = 0; i < count; ++i) {
            const IconSetColour c = IconSetColourOf(i);
            Picture pic;
            pic.width = pic.height = 32;
            pic.pixels.assign(32 * 32, Rgb{c.r, c.g, c.b, false});
            const std::string name = "icon" + std::to_string(i) + ".ico";
            write(dir + "/" + name, iconFile({pic}));
            // Names sort in index order, so icon i of the module is ICON_i.
            rc << "ICON_" << std::setw(4) << std::setfill('0') << i << " ICON \"" << name << "\"\n";
        }
        write(dir + "/iconset.rc", rc.str());
    } else {
        fail("unknown mode " + mode);
    }
    return 0;
}
