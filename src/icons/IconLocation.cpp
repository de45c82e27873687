#include "icons/IconLocation.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "base/Utf8.h"

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Digits in base up to the end of text, as a magnitude that may still overflow the range.
std::optional<std::uint64_t> parseDigits(std::string_view text, int base) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        const int d = digitValue(c, base);
        if (d < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (value > (std::uint64_t{1} << 32)) return std::nullopt;  // far outside any range
    }
    return value;
}

// Blanks, an optional sign and the digits that follow, as far as they go, as the shell reads an
// index; beyond the 32-bit range the index holds at its end.
std::int32_t ParseLeadingIndex(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<std::int64_t>(value * 10 + (c - '0'), std::int64_t{1} << 32);
    }
    if (negative) value = -value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

IconLocation SplitIconLocation(std::string_view text, IconReading reading) {
    IconLocation loc;
    // A quoted path may hold commas of its own: the path ends with its closing quote.
    const size_t closing = text.starts_with('"') ? text.find('"', 1) : std::string_view::npos;
    size_t comma = std::string_view::npos;
    if (closing != std::string_view::npos)
        comma = text.find(',', closing);
    else
        comma = reading == IconReading::Shell ? text.rfind(',') : text.find(',');
    if (reading == IconReading::Shell) {
        loc.File = std::string(text.substr(0, comma));
        if (comma != std::string_view::npos) loc.Index = ParseLeadingIndex(text.substr(comma + 1));
        return loc;
    }
    std::string_view indexText = text;
    if (comma != std::string_view::npos) {
        loc.File = std::string(text.substr(0, comma));
        indexText = text.substr(comma + 1);
    }
    loc.Index = ParseIconIndex(indexText);
    return loc;
}

std::int32_t ParseIconIndex(std::string_view text) {
    text = Utf8Prefix(text, 255);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.empty()) return 0;

    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (text.front() == '$') {
        const auto v = parseDigits(text.substr(1), 16);
        if (!v || static_cast<std::int64_t>(*v) > kMax) return 0;
        return static_cast<std::int32_t>(*v);
    }
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto v = parseDigits(text, 10);
    if (!v) return 0;
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(*v) : static_cast<std::int64_t>(*v);
    if (value < kMin || value > kMax) return 0;
    return static_cast<std::int32_t>(value);
}

std::string ComposeIconLocation(std::string_view file, std::int32_t index) {
    return std::string(file) + "," + std::to_string(index);
}

std::string UnquotePath(std::string_view path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        return std::string(path.substr(1, path.size() - 2));
    return std::string(path);
}
