#pragma once
// Key paths as registry scripts write them: a root's name, in full ("HKEY_CLASSES_ROOT") or
// short ("HKCR"), then key names, separated by backslashes.

#include <string>
#include <string_view>
#include <vector>

namespace regscript {

// The full name of the root that name stands for, letter case ignored; empty for none.
std::u16string_view FullRootName(std::u16string_view name);

// The names along path, root first. Empty names (two backslashes in a row, a backslash at
// either end) stay in, as empty views.
std::vector<std::u16string_view> PathNames(std::u16string_view path);

// True when path begins with a root and holds no empty name.
bool ValidKeyPath(std::u16string_view path);

}  // namespace regscript
