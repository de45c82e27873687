#pragma once
// The value type a verb's command line is written with.

#include <string>

#include "actions/Verb.h"

namespace actions {

enum class CommandValueType { String, ExpandableString };  // REG_SZ, REG_EXPAND_SZ

// A command the verb has keeps the type it is stored with, whatever the edit: what the user
// did not touch stays as it was. A new one is expandable when it names an environment variable,
// so that the shell expands "%SystemRoot%" before it runs the line.
CommandValueType CommandValueTypeFor(const Verb& verb, const std::string& command);

}  // namespace actions
