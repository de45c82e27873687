#pragma once
// Extension names as the user types them. The catalogue compares them with the case of the
// ASCII letters ignored (base/AsciiCase.h).

#include <string>
#include <string_view>

// A "." is put in front unless the text already starts with one; "" becomes ".".
std::string NormaliseExtension(std::string_view typed);

// The question asked before ext, which the registry holds for the type holder ("" when its key
// names none), is given to type instead: ".wri" belongs to "wrifile". Move it to "advDel"?
std::string TakeOverQuestion(const std::string& ext, const std::string& holder,
                             const std::string& type);
