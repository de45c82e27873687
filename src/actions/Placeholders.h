#pragma once
// The placeholders of a command line that stand for the file's path: %1, %L and %V (the letter
// in either case). A path with a blank reaches the program whole only between double quotes;
// unquoted, "C:\My Files\a.txt" arrives as two arguments. %* and %2 to %9 stand for other
// arguments and are left as they are.

#include <cstddef>
#include <string>
#include <vector>

namespace actions {

// Where each path placeholder outside double quotes starts in command. The "%" of an
// environment variable ("%LOCALAPPDATA%") starts no placeholder.
std::vector<std::size_t> UnquotedPathPlaceholders(const std::string& command);

// command with the part [begin, end) put between double quotes.
std::string QuotedPart(const std::string& command, std::size_t begin, std::size_t end);

}  // namespace actions
