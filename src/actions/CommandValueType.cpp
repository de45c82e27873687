#include "actions/CommandValueType.h"

#include "base/RegistryText.h"

namespace actions {

CommandValueType CommandValueTypeFor(const Verb& verb, const std::string& command) {
    const bool expandable = verb.command ? verb.commandExpandable : HoldsVariableReference(command);
    return expandable ? CommandValueType::ExpandableString : CommandValueType::String;
}

}  // namespace actions
