#pragma once
// A file type's actions in the registry (actions/Verb.h shows the keys and values), read as the
// view of both parts of the classes shows them (registry/ClassesView.h). ActionWriter.h plans
// their writes; these two files are the only ones that address the keys of actions.

#include <string>

#include "actions/Verb.h"

inline constexpr const char* kShellKey = "shell";
inline constexpr const char* kCommandKey = "command";
inline constexpr const char* kDdeKey = "ddeexec";
inline constexpr const char* kExtendedValue = "Extended";

// typeName + "\shell": the key that holds the default verb and every verb key.
std::string ShellKeyPath(const std::string& typeName);
// typeName + "\shell\" + verb.
std::string VerbKeyPath(const std::string& typeName, const std::string& verb);

// The actions of the type key typeName: the shell key's default value and each verb in the
// order the registry lists them, a MUIVerb resolved as the shell resolves it. None when the
// type has no shell key. A value that holds no text is read as absent, except the flags
// (Extended ...), which count by their presence alone, as the shell counts them. Raises as the
// registry layer does.
actions::TypeActions ReadTypeActions(const std::string& typeName);
