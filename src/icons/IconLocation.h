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

// How a location is read: as the program lists it, or as the shell itself reads it to show
// the icon (for Explorer's view).
enum class IconReading { Program, Shell };

// A location that starts with a quote has its path up to the closing quote (quotes kept),
// commas in it included, and is split at the first comma after it. Otherwise the program
// splits at the first comma, and without a comma the file is empty and the whole text is the
// index text (ParseIconIndex); the shell splits at the last comma, takes a text without one
// for a path with index 0, and reads the index's digits as far as they go, held at the ends of
// the 32-bit range. The caller handles the empty location (fallback) before calling.
IconLocation SplitIconLocation(std::string_view text, IconReading reading = IconReading::Program);

// Converts an index text: leading blanks skipped, then an optional sign with decimal digits or
// '$' with hexadecimal digits, nothing after the digits, inside the 32-bit signed range.
// Anything else gives 0. The text is cut to 255 characters first.
std::int32_t ParseIconIndex(std::string_view text);

// path + "," + index in decimal (minus sign for negatives, no plus, no leading zeros).
std::string ComposeIconLocation(std::string_view file, std::int32_t index);

// The path as the extraction call wants it: one pair of double quotes around the whole
// path removed. Environment references are expanded by the Windows side afterwards.
std::string UnquotePath(std::string_view path);
