#pragma once
// The one writer of a file type's actions, one method a kind of change: each adds its writes to
// the writer's plan (registry/ClassesPlan.h), which the command then writes where the view of
// the classes puts them. It edits in place: the shell key and the verb keys are never deleted
// and made again, and what the program does not edit (MUIVerb, Icon, DelegateExecute, the
// ddeexec key unless asked, anything unknown) stays as it is.

#include <string>
#include <utility>

#include "actions/Draft.h"
#include "actions/Verb.h"
#include "registry/ClassesPlan.h"

class ActionWriter {
public:
    explicit ActionWriter(std::string typeName) : typeName_(std::move(typeName)) {}

    // The key below which every write of this writer lands.
    std::string ShellKey() const;
    // The writes planned so far, in their order.
    const ClassesPlan& Plan() const { return plan_; }

    // A new verb as draft gives it: its key, its menu text and Extended where set, and its
    // command, expandable when it names an environment variable.
    void AddVerb(const actions::ActionDraft& draft);
    // The verb draft.editing of actions (as read before the edit) made as draft gives it. A new
    // name moves the verb key with every value and subkey, and the shell key's default value
    // follows it; then each value the draft changed is written, the command with the value type
    // it is stored with. A name that differs in letter case only keeps the key's spelling: the
    // registry takes both names for one key.
    void EditVerb(const actions::TypeActions& actions, const actions::ActionDraft& draft);
    void RemoveVerb(const std::string& verb);
    // The shell key's default value: the verb a double click runs.
    void SetDefaultVerb(const std::string& verb);
    // The verb's ddeexec key goes, with everything below it.
    void RemoveDde(const std::string& verb);
    // The shell key's default value emptied: a double click runs "open", else the first verb.
    void ClearDefaultVerb();

private:
    // The values of the verb key draft.name that the draft changes from stored.
    void WriteValues(const actions::Verb& stored, const actions::ActionDraft& draft);

    std::string typeName_;
    ClassesPlan plan_;
};
