#include "catalogue/ActionWriter.h"

#include <optional>

#include "actions/VerbNames.h"
#include "catalogue/ActionKeys.h"
#include "catalogue/Schema.h"
#include "registry/KeyName.h"

namespace {

std::string fromRoot(const std::string& path) {
    return "\\" + path;
}

bool sameRegistryName(const std::string& a, const std::string& b) {
    return SameRegistryName(a, b);
}

}  // namespace

std::string ActionWriter::ShellKey() const {
    return ShellKeyPath(typeName_);
}

void ActionWriter::AddVerb(const actions::ActionDraft& draft) {
    ClassesRoot().MakeKey(fromRoot(VerbKeyPath(typeName_, draft.name)));
    WriteValues(actions::Verb{}, draft);
}

void ActionWriter::EditVerb(const actions::TypeActions& actions,
                            const actions::ActionDraft& draft) {
    const actions::Verb& stored = actions.verbs.at(draft.editing.value());
    if (draft.name != stored.name) {
        ClassesRoot reg;
        reg.RelocateKey(fromRoot(VerbKeyPath(typeName_, stored.name)),
                        fromRoot(VerbKeyPath(typeName_, draft.name)));
        const std::optional<std::string> renamed =
            actions.defaultVerb ? actions::DefaultAfterRename(*actions.defaultVerb, stored.name,
                                                              draft.name, sameRegistryName)
                                : std::nullopt;
        if (renamed) reg.WriteText(fromRoot(ShellKey()), kDefaultValue, *renamed);
    }
    WriteValues(stored, draft);
}

void ActionWriter::WriteValues(const actions::Verb& stored, const actions::ActionDraft& draft) {
    const std::string verbKey = fromRoot(VerbKeyPath(typeName_, draft.name));
    ClassesRoot reg;
    if (draft.text != stored.text) reg.WriteText(verbKey, kDefaultValue, draft.text);
    if (draft.extended && !stored.extended) reg.WriteText(verbKey, kExtendedValue, "");
    if (!draft.extended && stored.extended && reg.SelectKey(verbKey, false))
        reg.DeleteValue(kExtendedValue);
    // A handler runs such a verb: no command line of the user's is to be written beside it.
    const bool handlerOnly = stored.runByHandler() && draft.command.empty();
    if (handlerOnly || stored.command == draft.command) return;
    // The command keeps the type it is stored with; a new one is expandable when it names a
    // variable (the registry layer's rule).
    reg.WriteText(verbKey + "\\" + kCommandKey, kDefaultValue, draft.command);
}

void ActionWriter::RemoveVerb(const std::string& verb) {
    ClassesRoot().RemoveKeyTree(fromRoot(VerbKeyPath(typeName_, verb)));
}

void ActionWriter::SetDefaultVerb(const std::string& verb) {
    ClassesRoot().WriteText(fromRoot(ShellKey()), kDefaultValue, verb);
}

void ActionWriter::RemoveDde(const std::string& verb) {
    ClassesRoot().RemoveKeyTree(fromRoot(VerbKeyPath(typeName_, verb) + "\\" + kDdeKey));
}

void ActionWriter::ClearDefaultVerb() {
    ClassesRoot().WriteText(fromRoot(ShellKey()), kDefaultValue, "");
}
