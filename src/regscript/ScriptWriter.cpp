#include "regscript/Script.h"

#include <algorithm>

#include "regscript/Escapes.h"

namespace regscript {

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
// The registry editor keeps its lines to 80 characters; so do we, the "\" included.
constexpr size_t kLineWidth = 80;
constexpr char16_t kHexDigits[] = u"0123456789abcdef";

// A byte as the two lower-case hexadecimal digits that hex: and dword: data are written in.
void appendByte(std::u16string& line, std::uint8_t byte) {
    line += kHexDigits[byte >> 4];
    line += kHexDigits[byte & 0xF];
}

void appendQuoted(std::u16string& out, std::u16string_view text) {
    out += u'"';
    for (char16_t c : text) {
        const auto escape = std::find_if(kEscapes.begin(), kEscapes.end(),
                                         [c](const auto& e) { return e.first == c; });
        if (escape != kEscapes.end())
            out += {u'\\', escape->second};
        else
            out += c;
    }
    out += u'"';
}

// The text of REG_SZ data that a quoted string gives back exactly, or false: the data must be
// whole UTF-16 units ending in the one NUL, with no control character that a line could lose.
bool quotableText(const std::vector<std::uint8_t>& data, std::u16string& text) {
    if (data.size() < 2 || data.size() % 2 != 0) return false;
    text.clear();
    for (size_t i = 0; i + 2 < data.size(); i += 2) {
        const char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (c < 0x20) return false;
        text += c;
    }
    return data[data.size() - 2] == 0 && data[data.size() - 1] == 0;
}

void appendHex(std::u16string& out, std::u16string& line, std::uint32_t type,
               const std::vector<std::uint8_t>& data) {
    if (type == kBinary) {
        line += u"hex:";
    } else {
        std::u16string number;
        for (std::uint32_t t = type; number.empty() || t != 0; t >>= 4)
            number.insert(number.begin(), kHexDigits[t & 0xF]);
        line += u"hex(" + number + u"):";
    }
    for (size_t i = 0; i < data.size(); ++i) {
        const bool last = i + 1 == data.size();
        // Room is left for the "\" that continues the line.
        if (line.size() + (last ? 2 : 3) + 1 > kLineWidth) {
            out += line;
            out += u"\\\r\n";
            line.assign(u"  ");
        }
        appendByte(line, data[i]);
        if (!last) line += u',';
    }
}

void appendValue(std::u16string& out, const Entry& entry) {
    const Value& value = entry.value;
    std::u16string line;
    if (value.name.empty())
        line += u'@';
    else
        appendQuoted(line, value.name);
    line += u'=';
    std::u16string text;
    if (entry.remove) {
        line += u'-';
    } else if (value.type == kSz && quotableText(value.data, text)) {
        appendQuoted(line, text);
    } else if (value.type == kDword && value.data.size() == 4) {
        line += u"dword:";
        for (int i = 3; i >= 0; --i) appendByte(line, value.data[static_cast<size_t>(i)]);
    } else {
        appendHex(out, line, value.type, value.data);
    }
    out += line;
    out += kLineEnd;
}

}  // namespace

std::vector<std::uint8_t> WriteScript(const Script& script) {
    std::u16string out(kVersion5Header);
    out += kLineEnd;
    if (!script.comments.empty()) out += kLineEnd;
    for (const std::u16string& comment : script.comments) {
        out += u"; ";
        // A comment is one line: control characters in it become blanks.
        for (char16_t c : comment) out += c < 0x20 ? u' ' : c;
        out += kLineEnd;
    }
    for (const Section& section : script.sections) {
        // A section line ends at its line end, and no escape exists for one in a key name.
        if (section.path.find_first_of(u"\r\n") != std::u16string::npos)
            throw ScriptError("A key name holds a line break, which a registry script cannot hold");
        out += kLineEnd;
        out += section.removeKey ? u"[-" : u"[";
        out += section.path + u"]" + std::u16string(kLineEnd);
        for (const Entry& entry : section.entries) appendValue(out, entry);
    }
    out += kLineEnd;

    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    const std::vector<std::uint8_t> body = TextBytes(out, false);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

}  // namespace regscript
