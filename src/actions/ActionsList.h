#pragma once
// How the Actions list shows a verb: its menu text with marks for what the menu itself shows
// in other ways (the default action in bold, an Extended one only with Shift, a hidden one not
// at all), and what runs it.

#include <string>

#include "actions/Verb.h"

namespace actions {

// The marks, in brackets after the menu text: "Open (default, with Shift)".
inline constexpr const char* kDefaultMark = "default";
inline constexpr const char* kExtendedMark = "with Shift";
inline constexpr const char* kHiddenMark = "hidden";

struct ActionsRow {
    std::string text;       // the menu text without access-key ampersands, then the marks
    std::string command;    // the command line as stored, or the handler that runs the verb
    bool readOnly = false;  // run by a handler: there is no command line to edit
};

ActionsRow ActionsListRow(const Verb& verb, bool isDefault);

// A menu text as the menu draws it: each "&" that marks an access key dropped, "&&" one "&".
std::string WithoutAccessKeys(const std::string& text);

}  // namespace actions
