#pragma once
// Indirect strings, the registry's way of naming a text held in a module's resources
// ("@%SystemRoot%\system32\shell32.dll,-8506"), as the shell resolves them.

#include <optional>
#include <string>

// The text an indirect string names; a plain text as it is; nullopt when it cannot be
// resolved.
std::optional<std::string> LoadIndirectString(const std::string& text);
