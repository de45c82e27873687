#include "actions/DraftWarnings.h"

#include "actions/DefaultVerb.h"
#include "actions/Placeholders.h"

namespace actions {

namespace {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

DraftWarning warning(const std::string& text, Mend mend = Mend::None,
                     const std::string& caption = {}, const std::string& mended = {}) {
    DraftWarning made;
    made.text = text;
    made.mend = mend;
    made.mendCaption = caption;
    made.mendedCommand = mended;
    return made;
}

void addCommandWarnings(const std::string& command, CommandSystem& system,
                        std::vector<DraftWarning>& warnings) {
    for (const std::size_t at : UnquotedPathPlaceholders(command)) {
        const std::string placeholder = command.substr(at, 2);
        warnings.push_back(warning(placeholder + " is not in quotes: the path of a file whose name "
                                                 "holds a blank reaches the program in pieces.",
                                   Mend::QuotePlaceholder, "Quote " + placeholder,
                                   QuotedPart(command, at, at + 2)));
    }
    const Program program = FindProgram(command, system);
    const std::string part = command.substr(program.begin, program.end - program.begin);
    const std::size_t blank = part.find_first_of(" \t");
    if (!program.quoted && blank != std::string::npos)
        warnings.push_back(
            warning("The program's path holds a blank but no quotes: Windows may run " +
                        quoted(WithProgramExtension(part.substr(0, blank))) + " instead.",
                    Mend::QuoteProgram, kQuoteProgramCaption,
                    QuotedPart(command, program.begin, program.end)));
    if (!program.found)
        warnings.push_back(
            warning("Windows cannot find the program " + quoted(program.lookedFor) + "."));
}

// The type's actions once draft is saved: its name replaces the edited verb's, the default
// action following it, or is added; and the default action is gone when the draft clears it.
TypeActions withDraft(const ActionDraft& draft, TypeActions actions, const SameName& same) {
    if (draft.clearDefaultVerb) actions.defaultVerb.reset();
    if (draft.editing && *draft.editing < actions.verbs.size()) {
        std::string& name = actions.verbs[*draft.editing].name;
        if (actions.defaultVerb)
            actions.defaultVerb = DefaultAfterRename(*actions.defaultVerb, name, draft.name, same)
                                      .value_or(*actions.defaultVerb);
        name = draft.name;
    } else {
        actions.verbs.emplace_back().name = draft.name;
    }
    return actions;
}

}  // namespace

std::vector<DraftWarning> DraftWarnings(const ActionDraft& draft, const TypeActions& actions,
                                        CommandSystem& system, const SameName& same) {
    std::vector<DraftWarning> warnings;
    if (draft.command.find_first_not_of(" \t") != std::string::npos)
        addCommandWarnings(draft.command, system, warnings);
    if (draft.editing && *draft.editing < actions.verbs.size() &&
        actions.verbs[*draft.editing].dde && !draft.removeDde)
        warnings.push_back(warning(kDdeWarning, Mend::RemoveDde, kRemoveDdeCaption));
    const TypeActions saved = withDraft(draft, actions, same);
    const DefaultVerb runs = FindDefaultVerb(saved, same);
    if (runs.namesNoVerb && runs.index)
        warnings.push_back(warning("The type's default action is set to " +
                                       quoted(*saved.defaultVerb) +
                                       ", which names none of its actions: a double click runs " +
                                       quoted(saved.verbs[*runs.index].name) + ".",
                                   Mend::ClearDefaultVerb, kClearDefaultCaption));
    return warnings;
}

}  // namespace actions
