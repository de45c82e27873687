#pragma once
// Verb names as the registry compares them: without regard to letter case. The registry's own
// rule knows the case of every script and lives with the Win32 code (SameRegistryName); the rules
// here take it as a function, and fall back on the case of the ASCII letters, which is all the
// names of the standard verbs need.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "actions/Verb.h"
#include "base/AsciiCase.h"

namespace actions {

using SameName = std::function<bool(const std::string&, const std::string&)>;

inline bool SameAsciiName(const std::string& a, const std::string& b) {
    return EqualIgnoringAsciiCase(a, b);
}

// The index of the verb called name, or nullopt when the type has none of that name.
std::optional<std::size_t> FindVerb(const TypeActions& actions, const std::string& name,
                                    const SameName& same = SameAsciiName);

// The names a shell key's default value lists, in order: separated by commas or blanks.
std::vector<std::string> ListedVerbNames(const std::string& value);

// A shell key's default value once the verb oldName is called newName: each listed name that
// same takes for oldName replaced, the separators kept as they were. nullopt when the value
// lists no such name, and so needs no write.
std::optional<std::string> DefaultAfterRename(const std::string& value, const std::string& oldName,
                                              const std::string& newName,
                                              const SameName& same = SameAsciiName);

}  // namespace actions
