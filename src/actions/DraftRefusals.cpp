#include "actions/DraftRefusals.h"

#include "base/RegistryText.h"

namespace actions {

std::string ActionExistsMessage(const std::string& name) {
    return "This file type already has an action named \"" + name + "\"!";
}

std::string DraftRefusal(const ActionDraft& draft, const TypeActions& actions,
                         const SameName& same) {
    if (draft.name.empty()) return kEnterActionName;
    if (draft.name.find('\\') != std::string::npos) return kBackslashInActionName;
    if (!FitsKeyName(draft.name)) return kActionNameTooLong;
    // The edited verb's own name, in any letter case, names its own key.
    const std::optional<std::size_t> namesake = FindVerb(actions, draft.name, same);
    if (namesake && namesake != draft.editing) return ActionExistsMessage(draft.name);
    const bool runByHandler = draft.editing && *draft.editing < actions.verbs.size() &&
                              actions.verbs[*draft.editing].runByHandler();
    if (!runByHandler && draft.command.find_first_not_of(" \t") == std::string::npos)
        return kEnterCommand;
    return {};
}

}  // namespace actions
