#pragma once
// Key names as the registry compares them.

#include <string>

// True when the registry takes a and b for the same key name: it ignores letter case in every
// script, comparing the names as Unicode text with the system's upper-case table.
bool SameKeyName(const std::string& a, const std::string& b);
