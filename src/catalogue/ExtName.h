#pragma once
// Extension names as the user types them and as the catalogue compares them.

#include <string>
#include <string_view>

// A "." is put in front unless the text already starts with one; "" becomes ".".
std::string NormaliseExtension(std::string_view typed);

// Equal after folding the ASCII letters a-z to A-Z; every other byte compares as it is.
bool ExtNamesEqual(std::string_view a, std::string_view b);
