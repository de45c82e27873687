#pragma once
// What the registry makes of the program's text: how long a name may be, and which texts it is
// given as expandable strings.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Key names hold at most 255 UTF-16 units.
inline constexpr std::size_t kLongestKeyName = 255;

// True when name is no longer than a key name may be.
bool FitsKeyName(std::string_view name);

// True when text refers to an environment variable, "%" + a name + "%" as in
// "%SystemRoot%\system32\shell32.dll,-3": such a text is stored as REG_EXPAND_SZ, so that the
// shell expands it. The placeholders of a command line ("%1", "%L", "%*", "%2" ...) are no
// variable names.
bool HoldsVariableReference(std::string_view text);

// Whether text is written as REG_EXPAND_SZ (2) rather than REG_SZ (1) into a value whose
// stored type is storedType (nothing: no such value yet). A value that is rewritten keeps the
// string type it has, so that the shell goes on expanding what it expanded; a new one (or one
// of another type) is expandable when it refers to a variable.
bool WritesExpandable(std::optional<std::uint32_t> storedType, std::string_view text);
