#include "actions/DefaultVerb.h"

namespace actions {

DefaultVerb FindDefaultVerb(const TypeActions& actions, const SameName& same) {
    DefaultVerb found;
    const std::vector<std::string> listed = ListedVerbNames(actions.defaultVerb.value_or(""));
    for (const std::string& name : listed) {
        found.index = FindVerb(actions, name, same);
        if (found.index) return found;
    }
    found.namesNoVerb = !listed.empty();
    found.index = FindVerb(actions, "open", same);
    if (!found.index && !actions.verbs.empty()) found.index = 0;
    return found;
}

}  // namespace actions
