#include "base/Utf8.h"

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Continuation bytes that a lead byte announces: 1 to 3, or 0 for ASCII and for a byte that
// starts no UTF-8 sequence.
std::size_t continuationsOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 1;
    if (lead >= 0xE0 && lead <= 0xEF) return 2;
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    return 0;
}

}  // namespace

std::string_view Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < text.size(); ++taken) {
        const std::size_t following = continuationsOf(static_cast<unsigned char>(text[at]));
        ++at;
        for (std::size_t i = 0; i < following && at < text.size(); ++i) {
            if (!isContinuation(static_cast<unsigned char>(text[at]))) break;
            ++at;
        }
    }
    return text.substr(0, at);
}

std::size_t Utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size(); ++units) {
        const std::string_view rest = text.substr(at);
        const std::size_t length = Utf8Prefix(rest, 1).size();
        if (length == 4) ++units;
        at += length;
    }
    return units;
}

std::string Abbreviated(std::string_view text, std::size_t count) {
    if (count == 0 || Utf8Prefix(text, count).size() == text.size()) return std::string(text);
    return std::string(Utf8Prefix(text, count - 1)) + "\xE2\x80\xA6";
}
