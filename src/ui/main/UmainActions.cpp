// The Actions command: the selected file type's actions listed in the Actions window, whose
// buttons run the commands below on that type. Each asks (the Edit Action dialog, the
// confirmation box), records the type's shell key, writes through the one writer of actions and
// tells the shell. The catalogue holds no actions: the lists stay as they are.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "actions/Draft.h"
#include "base/Utf8.h"
#include "actions/VerbNames.h"
#include "catalogue/ActionKeys.h"
#include "catalogue/ActionWriter.h"
#include "catalogue/TypeNameRules.h"
#include "registry/KeyName.h"
#include "ui/system/ConfirmBox.h"
#include "ui/system/MachineCommandSystem.h"
#include "ui/window/Messages.h"
#include "ui/main/Umain.h"

namespace {

constexpr const char* kNoKeyForActions =
    "This File Type has no key name of its own to hold actions!";

bool sameRegistryName(const std::string& a, const std::string& b) {
    return SameRegistryName(a, b);
}

// Edit Action "open" of "txtfile".
ChangeTitle actionTitle(const char* command, const std::string& verb, const std::string& type) {
    return ChangeTitle{command, {verb, type}, "of"};
}

// The action at index as the Edit Action dialog opens on it.
actions::ActionDraft draftOf(const actions::TypeActions& actions, std::size_t index) {
    const actions::Verb& verb = actions.verbs.at(index);
    actions::ActionDraft draft;
    draft.editing = index;
    draft.name = verb.name;
    draft.text = verb.text;
    draft.command = verb.command.value_or("");
    draft.extended = verb.extended;
    return draft;
}

}  // namespace

void TfrmMain::ActionsClick() {
    Selection selected;
    if (!Selected(ViewOf::Type, selected)) return;
    // A type whose name is empty lives in no key of its own: its shell key would be the
    // root's.
    if (NamesBaseKey(selected.name)) return PlainMessage(Handle(), kNoKeyForActions);
    if (!FActions) {
        auto actionsWindow = std::make_unique<TfrmActions>();
        actionsWindow->Create(Handle());
        auto editAction = std::make_unique<TfrmEditAction>();
        editAction->Create(actionsWindow->Handle());
        FActions = std::move(actionsWindow);
        FEditAction = std::move(editAction);
    }
    const std::string typeName = selected.name;
    FActions->ShowFor(typeName, {[&] { return ReadTypeActions(typeName); },
                                 [&](const ActionRequest& request) {
                                     return RunActionCommand(typeName, request);
                                 }});
}

std::string TfrmMain::RunActionCommand(const std::string& typeName, const ActionRequest& request) {
    // The actions as the registry holds them now: another program may have changed them while
    // the window was open.
    const actions::TypeActions actions = ReadTypeActions(typeName);
    const std::optional<std::size_t> index =
        actions::FindVerb(actions, request.verb, sameRegistryName);
    if (request.command != ActionCommand::New && !index) return {};
    const std::string verb = index ? actions.verbs[*index].name : std::string();
    ActionWriter writer(typeName);
    // The writer plans; the change writes the plan where the view puts it.
    const auto record = [&](const ChangeTitle& title, const auto& plans) {
        plans();
        MakeChange(title, writer.Plan());
    };

    switch (request.command) {
        case ActionCommand::New:
        case ActionCommand::Edit: {
            MachineCommandSystem system;
            const std::optional<actions::ActionDraft> edited = FEditAction->Edit(
                index ? draftOf(actions, *index) : actions::ActionDraft{}, actions, system);
            if (!edited) return {};
            record(index ? actionTitle("Edit Action", verb, typeName)
                         : actionTitle("New Action", edited->name, typeName),
                   [&] {
                       if (index)
                           writer.EditVerb(actions, *edited);
                       else
                           writer.AddVerb(*edited);
                       if (edited->removeDde) writer.RemoveDde(edited->name);
                       if (edited->clearDefaultVerb) writer.ClearDefaultVerb();
                   });
            return edited->name;
        }
        case ActionCommand::Remove:
            if (!ConfirmBox(FActions->Handle(), "Remove action \"" + ShownName(verb) + "\" of \"" +
                                                    ShownName(typeName) + "\"?"))
                return {};
            record(actionTitle("Remove Action", verb, typeName), [&] { writer.RemoveVerb(verb); });
            return {};
        case ActionCommand::SetDefault:
            record(actionTitle("Set Default Action", verb, typeName),
                   [&] { writer.SetDefaultVerb(verb); });
            return {};
    }
    return {};
}
