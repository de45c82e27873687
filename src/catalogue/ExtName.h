#pragma once
// Extension names as the user types them. The catalogue compares them with the case of the
// ASCII letters ignored (base/AsciiCase.h).

#include <string>
#include <string_view>

// A "." is put in front unless the text already starts with one; "" becomes ".".
std::string NormaliseExtension(std::string_view typed);
