#pragma once
// Icon locations as the registry stores them in DefaultIcon values: a file path, a comma and
// a signed decimal index. Pure text handling; no Win32.

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* kNoIconMarker = "<no icon>";
inline constexpr std::int32_t kNoIconIndex = -1;
// Index 1 of the running executable is the fallback icon (NOICON); index 0 is MAINICON.
inline constexpr std::int32_t kFallbackIconIndex = 1;

struct IconLocation {
    std::string File;
    std::int32_t Index = 0;
};

// Splits at the first comma. Without a comma the file is empty and the whole text is the
// index text. The caller handles the empty location (fallback) before calling.
IconLocation SplitIconLocation(std::string_view text);

// Converts an index text: leading blanks skipped, then an optional sign with decimal digits or
// '$' with hexadecimal digits, nothing after the digits, inside the 32-bit signed range.
// Anything else gives 0. The text is cut to 255 characters first.
std::int32_t ParseIconIndex(std::string_view text);

// path + "," + index in decimal (minus sign for negatives, no plus, no leading zeros).
std::string ComposeIconLocation(std::string_view file, std::int32_t index);

// The path as the extraction call wants it: one pair of double quotes around the whole
// path removed. Environment references are expanded by the Windows side afterwards.
std::string UnquotePath(std::string_view path);
