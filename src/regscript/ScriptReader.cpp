#include "regscript/Script.h"

#include <algorithm>

#include "regscript/Escapes.h"
#include "regscript/KeyPath.h"

namespace regscript {

namespace {

std::u16string decodeFile(std::span<const std::uint8_t> file, const Decoder& decode8bit) {
    if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xFE) {
        if (file.size() % 2 != 0) throw ScriptError("The UTF-16 file ends in half a character");
        std::u16string text;
        text.reserve(file.size() / 2);
        for (size_t i = 2; i < file.size(); i += 2)
            text += static_cast<char16_t>(file[i] | (file[i + 1] << 8));
        return text;
    }
    return decode8bit(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

std::vector<std::u16string_view> splitLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start =
            end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
    return lines;
}

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::u16string_view trimmed(std::u16string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// A number of 1 to 8 hexadecimal digits, the whole of digits; false for anything else.
bool parseHexNumber(std::u16string_view digits, std::uint32_t& number) {
    if (digits.empty() || digits.size() > 8) return false;
    number = 0;
    for (char16_t c : digits) {
        const int d = hexDigit(c);
        if (d < 0) return false;
        number = number << 4 | static_cast<std::uint32_t>(d);
    }
    return true;
}

class Parser {
public:
    Parser(std::u16string_view text, const Decoder& decode8bit)
        : lines_(splitLines(text)), decode8bit_(decode8bit) {}

    Script Read() {
        const std::u16string_view header = lines_.empty() ? u"" : trimmed(lines_[0]);
        if (header == kVersion5Header)
            version4_ = false;
        else if (header == kVersion4Header)
            version4_ = true;
        else
            throw ScriptError("The file is no registry script: its first line is no known header");
        for (at_ = 1; at_ < lines_.size(); ++at_) readLine(trimmed(lines_[at_]));
        return std::move(script_);
    }

private:
    [[noreturn]] void fail(const std::string& what) const {
        throw ScriptError("Line " + std::to_string(at_ + 1) + " of the registry script: " + what);
    }

    void readLine(std::u16string_view line) {
        if (line.empty() || line[0] == u'#') return;
        if (line[0] == u';') {
            line.remove_prefix(1);
            if (!line.empty() && line[0] == u' ') line.remove_prefix(1);
            script_.comments.emplace_back(line);
        } else if (line[0] == u'[') {
            readSection(line);
        } else if (line[0] == u'@' || line[0] == u'"') {
            readValue(line);
        } else {
            fail("neither a key, a value nor a comment");
        }
    }

    void readSection(std::u16string_view line) {
        const size_t close = line.rfind(u']');
        if (close == std::u16string_view::npos || !trimmed(line.substr(close + 1)).empty())
            fail("a key line must end with \"]\"");
        Section section;
        std::u16string_view path = line.substr(1, close - 1);
        if (!path.empty() && path[0] == u'-') {
            section.removeKey = true;
            path.remove_prefix(1);
        }
        if (!ValidKeyPath(path))
            fail("the key path does not begin with a root or has an empty name");
        section.path = path;
        script_.sections.push_back(std::move(section));
    }

    // A quoted text from line[pos] (the opening quote); pos ends after the closing quote.
    std::u16string readQuoted(std::u16string_view line, size_t& pos) const {
        std::u16string text;
        for (++pos; pos < line.size(); ++pos) {
            const char16_t c = line[pos];
            if (c == u'"') {
                ++pos;
                return text;
            }
            if (c != u'\\') {
                text += c;
                continue;
            }
            if (++pos == line.size()) break;
            const char16_t letter = line[pos];
            const auto escape =
                std::find_if(kEscapes.begin(), kEscapes.end(),
                             [letter](const auto& e) { return e.second == letter; });
            if (escape == kEscapes.end()) fail("an unknown escape after a backslash");
            text += escape->first;
        }
        fail("a quoted text has no closing quote");
    }

    void readValue(std::u16string_view line) {
        if (script_.sections.empty()) fail("a value before the first key");
        if (script_.sections.back().removeKey) fail("a value in a deleted key");
        Entry entry;
        size_t pos = 0;
        if (line[0] == u'@')
            pos = 1;
        else
            entry.value.name = readQuoted(line, pos);
        std::u16string_view rest = trimmed(line.substr(pos));
        if (rest.empty() || rest[0] != u'=') fail("a value name must be followed by \"=\"");
        rest = trimmed(rest.substr(1));
        if (rest == u"-") {
            entry.remove = true;
        } else if (!rest.empty() && rest[0] == u'"') {
            size_t end = 0;
            const std::u16string text = readQuoted(rest, end);
            if (!trimmed(rest.substr(end)).empty()) fail("text after the closing quote");
            entry.value.type = kSz;
            entry.value.data = TextBytes(text);
        } else if (rest.starts_with(u"dword:")) {
            std::uint32_t number = 0;
            if (!parseHexNumber(rest.substr(6), number))
                fail("dword: must be followed by 1 to 8 hexadecimal digits");
            entry.value.type = kDword;
            for (int i = 0; i < 4; ++i)
                entry.value.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
        } else if (rest.starts_with(u"hex")) {
            readHex(rest.substr(3), entry.value);
        } else {
            fail("unknown data");
        }
        script_.sections.back().entries.push_back(std::move(entry));
    }

    // From after "hex": "(N):bytes" or ":bytes", the bytes going on over lines ending in "\".
    void readHex(std::u16string_view rest, Value& value) {
        value.type = kBinary;
        if (!rest.empty() && rest[0] == u'(') {
            const size_t close = rest.find(u')');
            if (close == std::u16string_view::npos ||
                !parseHexNumber(rest.substr(1, close - 1), value.type))
                fail("hex( must be followed by a type of 1 to 8 hexadecimal digits and \")\"");
            rest.remove_prefix(close + 1);
        }
        if (rest.empty() || rest[0] != u':') fail("hex data must begin with \":\"");
        std::u16string list(trimmed(rest.substr(1)));
        while (!list.empty() && list.back() == u'\\') {
            list.pop_back();
            if (++at_ == lines_.size()) fail("the file ends inside continued hex data");
            list += trimmed(lines_[at_]);
        }
        std::vector<std::uint8_t> bytes;
        size_t start = 0;
        while (!list.empty() && start <= list.size()) {
            size_t end = list.find(u',', start);
            if (end == std::u16string::npos) end = list.size();
            const std::u16string_view token =
                trimmed(std::u16string_view(list).substr(start, end - start));
            std::uint32_t byte = 0;
            if (token.size() > 2 || !parseHexNumber(token, byte))
                fail("hex data must be bytes of two hexadecimal digits between commas");
            bytes.push_back(static_cast<std::uint8_t>(byte));
            start = end + 1;
        }
        // An old file holds the text of the string types in its own code page.
        const bool text = value.type == kSz || value.type == kExpandSz || value.type == kMultiSz;
        if (version4_ && text) {
            const std::string raw(bytes.begin(), bytes.end());
            bytes = TextBytes(decode8bit_(raw), false);
        }
        value.data = std::move(bytes);
    }

    std::vector<std::u16string_view> lines_;
    const Decoder& decode8bit_;
    bool version4_ = false;
    size_t at_ = 0;
    Script script_;
};

}  // namespace

Script ReadScript(std::span<const std::uint8_t> file, const Decoder& decode8bit) {
    const std::u16string text = decodeFile(file, decode8bit);
    return Parser(text, decode8bit).Read();
}

}  // namespace regscript
