#pragma once
// The text a context menu shows for an action.

#include <string>

#include "actions/Verb.h"

namespace actions {

// The text Windows itself gives a standard verb ("Open" for open, "Print to" for printto...),
// or the empty text for any other name.
std::string StandardVerbText(const std::string& name);

// The verb's MUIVerb as the caller resolved it, else the verb key's default value, else
// Windows' text for a standard verb, else the key name. Access keys ("&Open") are kept: the
// menu draws them.
std::string MenuText(const Verb& verb);

}  // namespace actions
