#include "actions/MenuText.h"

#include "base/AsciiCase.h"

namespace actions {

namespace {

struct StandardVerb {
    const char* name;
    const char* text;
};

constexpr StandardVerb kStandardVerbs[] = {
    {"open", "Open"},
    {"edit", "Edit"},
    {"print", "Print"},
    {"printto", "Print to"},
    {"explore", "Explore"},
    {"find", "Find"},
    {"runas", "Run as administrator"},
};

}  // namespace

std::string StandardVerbText(const std::string& name) {
    for (const StandardVerb& verb : kStandardVerbs)
        if (EqualIgnoringAsciiCase(name, verb.name)) return verb.text;
    return {};
}

std::string MenuText(const Verb& verb) {
    if (verb.muiVerbResolved && !verb.muiVerbResolved->empty()) return *verb.muiVerbResolved;
    if (!verb.text.empty()) return verb.text;
    const std::string standard = StandardVerbText(verb.name);
    return standard.empty() ? verb.name : standard;
}

}  // namespace actions
