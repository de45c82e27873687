#pragma once
// What may go wrong with an action as it is being edited, said while the user types, each with
// the mend a button offers where there is one. A warning never stops the edit: the refusals
// (DraftRefusals.h) do that.

#include <string>
#include <vector>

#include "actions/CommandLine.h"
#include "actions/Draft.h"
#include "actions/Verb.h"
#include "actions/VerbNames.h"

namespace actions {

enum class Mend {
    None,
    QuotePlaceholder,  // mendedCommand holds the command with the placeholder quoted
    QuoteProgram,      // mendedCommand holds the command with the program's path quoted
    RemoveDde,         // the caller deletes the verb's ddeexec key
    ClearDefaultVerb,  // the caller empties the shell key's default value
};

inline constexpr const char* kQuoteProgramCaption = "Quote Path";
inline constexpr const char* kRemoveDdeCaption = "Remove DDE";
inline constexpr const char* kClearDefaultCaption = "Clear Setting";
inline constexpr const char* kDdeWarning =
    "This action also sends a DDE message (ddeexec): a program that no longer answers one "
    "makes Windows wait, then report an error.";

struct DraftWarning {
    std::string text;
    Mend mend = Mend::None;
    std::string mendCaption;    // the mend's button; empty without a mend
    std::string mendedCommand;  // for the mends that change the command line
};

// The warnings for draft, an action of the type whose actions are actions, in the order the
// window lists them: the command line's, then the verb's DDE, then the type's default action
// as it stands once the draft is saved.
std::vector<DraftWarning> DraftWarnings(const ActionDraft& draft, const TypeActions& actions,
                                        CommandSystem& system,
                                        const SameName& same = SameAsciiName);

}  // namespace actions
