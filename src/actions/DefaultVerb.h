#pragma once
// Which action a double click runs. The shell key's default value names it; Windows also takes
// a list there and runs the first listed action that exists. When the value names no action
// of the type (or is absent, or empty), "open" runs where the type has it, else the first
// action in the order the registry lists them.

#include <cstddef>
#include <optional>

#include "actions/Verb.h"
#include "actions/VerbNames.h"

namespace actions {

struct DefaultVerb {
    std::optional<std::size_t> index;  // the verb a double click runs; nullopt without verbs
    // The shell key's default value lists names, but none of an action of the type: Windows
    // passes over it, and the user should hear that it does.
    bool namesNoVerb = false;
};

DefaultVerb FindDefaultVerb(const TypeActions& actions, const SameName& same = SameAsciiName);

}  // namespace actions
