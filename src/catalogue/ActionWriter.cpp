#include "catalogue/ActionWriter.h"

#include <optional>

#include "actions/VerbNames.h"
#include "catalogue/ActionKeys.h"
#include "catalogue/Schema.h"
#include "registry/KeyName.h"

namespace {

bool sameRegistryName(const std::string& a, const std::string& b) {
    return SameRegistryName(a, b);
}

}  // namespace

std::string ActionWriter::ShellKey() const {
    return ShellKeyPath(typeName_);
}

void ActionWriter::AddVerb(const actions::ActionDraft& draft) {
    plan_.push_back(MakeKey(VerbKeyPath(typeName_, draft.name)));
    WriteValues(actions::Verb{}, draft);
}

void ActionWriter::EditVerb(const actions::TypeActions& actions,
                            const actions::ActionDraft& draft) {
    const actions::Verb& stored = actions.verbs.at(draft.editing.value());
    if (draft.name != stored.name) {
        plan_.push_back(
            MoveTree(VerbKeyPath(typeName_, stored.name), VerbKeyPath(typeName_, draft.name)));
        const std::optional<std::string> renamed =
            actions.defaultVerb ? actions::DefaultAfterRename(*actions.defaultVerb, stored.name,
                                                              draft.name, sameRegistryName)
                                : std::nullopt;
        if (renamed) plan_.push_back(SetText(ShellKey(), kDefaultValue, *renamed));
    }
    WriteValues(stored, draft);
}

void ActionWriter::WriteValues(const actions::Verb& stored, const actions::ActionDraft& draft) {
    const std::string verbKey = VerbKeyPath(typeName_, draft.name);
    if (draft.text != stored.text) plan_.push_back(SetText(verbKey, kDefaultValue, draft.text));
    if (draft.extended && !stored.extended) plan_.push_back(SetText(verbKey, kExtendedValue, ""));
    if (!draft.extended && stored.extended) plan_.push_back(DeleteValue(verbKey, kExtendedValue));
    // A handler runs such a verb: no command line of the user's is to be written beside it.
    const bool handlerOnly = stored.runByHandler() && draft.command.empty();
    if (handlerOnly || stored.command == draft.command) return;
    // The command keeps the type it is stored with; a new one is expandable when it names a
    // variable (the registry layer's rule).
    plan_.push_back(SetText(verbKey + "\\" + kCommandKey, kDefaultValue, draft.command));
}

void ActionWriter::RemoveVerb(const std::string& verb) {
    plan_.push_back(DeleteTree(VerbKeyPath(typeName_, verb)));
}

void ActionWriter::SetDefaultVerb(const std::string& verb) {
    plan_.push_back(SetText(ShellKey(), kDefaultValue, verb));
}

void ActionWriter::RemoveDde(const std::string& verb) {
    plan_.push_back(DeleteTree(VerbKeyPath(typeName_, verb) + "\\" + kDdeKey));
}

void ActionWriter::ClearDefaultVerb() {
    plan_.push_back(SetText(ShellKey(), kDefaultValue, ""));
}
