#pragma once
// What an action typed into the Actions dialog may be, checked before anything is written.
// The name is a key name below the type's shell key: an empty one would address the shell key
// itself, a backslash would nest a key, and the registry takes no longer name. Two verbs of one
// type may not share a name in any letter case, since the registry takes them for one key.

#include <string>

#include "actions/Draft.h"
#include "actions/Verb.h"
#include "actions/VerbNames.h"

namespace actions {

inline constexpr const char* kEnterActionName = "Enter an action name!";
inline constexpr const char* kBackslashInActionName = "An action name cannot contain a backslash!";
inline constexpr const char* kActionNameTooLong =
    "An action name cannot be longer than 255 characters!";
inline constexpr const char* kEnterCommand = "Enter the command line the action runs!";

// "This file type already has an action named "name"!"
std::string ActionExistsMessage(const std::string& name);

// Why draft may not be saved among the type's actions, or the empty text when it may. A verb
// run by a handler has no command line to enter.
std::string DraftRefusal(const ActionDraft& draft, const TypeActions& actions,
                         const SameName& same = SameAsciiName);

}  // namespace actions
