#include "icons/IconLocation.h"

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

}  // namespace

IconLocation SplitIconLocation(std::string_view text) {
    IconLocation loc;
    const size_t comma = text.find(',');
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
