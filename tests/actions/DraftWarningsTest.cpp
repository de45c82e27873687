// The warnings while an action is edited, and the mends they offer.

#include <gtest/gtest.h>

#include "actions/DraftWarnings.h"
#include "actions/TableSystem.h"

using namespace actions;

namespace {

// A mend's caption with the command it gives, or, for a warning whose mend is no edit of the
// command (or that has none), a piece of its text.
struct Expected {
    std::string caption, detail;
};

struct WarningCase {
    const char* name;
    const char* shellDefault;  // nullptr: no default value
    int editing;               // -1: a new action
    std::string draftName, command;
    std::vector<Expected> warnings;
};

const WarningCase kWarningCases[] = {
    {"PlaceholderAfterTheProgram",
     nullptr,
     -1,
     "view",
     "notepad.exe %1",
     {{"Quote %1", "notepad.exe \"%1\""}}},
    {"PlaceholderInsideAnArgument",
     nullptr,
     -1,
     "view",
     "notepad.exe /f=%1",
     {{"Quote %1", "notepad.exe /f=\"%1\""}}},
    {"EachLetterCaseOfLAndV",
     nullptr,
     -1,
     "view",
     "notepad.exe %l \"%1\" %v %* %2",
     {{"Quote %l", "notepad.exe \"%l\" \"%1\" %v %* %2"},
      {"Quote %v", "notepad.exe %l \"%1\" \"%v\" %* %2"}}},
    {"VariablesAndQuotedPlaceholdersPass",
     nullptr,
     -1,
     "view",
     "\"%LOCALAPPDATA%\\App\\app.exe\" \"%L\" %*",
     {}},
    {"ProgramPathWithABlank",
     nullptr,
     -1,
     "view",
     "C:\\Program Files\\App\\app.exe \"%1\"",
     {{"Quote Path", "\"C:\\Program Files\\App\\app.exe\" \"%1\""}}},
    {"MissingProgram",
     nullptr,
     -1,
     "view",
     "C:\\Old Tools\\gone.exe %1",
     {{"Quote %1", "C:\\Old Tools\\gone.exe \"%1\""},
      {"Quote Path", "\"C:\\Old Tools\\gone.exe\" %1"},
      {"", "find the program \"C:\\Old Tools\\gone.exe\""}}},
    {"MissingBareName",
     nullptr,
     -1,
     "view",
     "\"nothere\" \"%1\"",
     {{"", "find the program \"nothere.exe\""}}},
    {"BlankCommandWarnsNothing", nullptr, -1, "view", "  ", {}},
    {"DdeUnderTheEditedVerb",
     nullptr,
     1,
     "Edit",
     "notepad.exe \"%1\"",
     {{"Remove DDE", "(ddeexec)"}}},
    {"DefaultNamesNoAction",
     "preview",
     -1,
     "view",
     "notepad.exe \"%1\"",
     {{"Clear Setting",
       "\"preview\", which names none of its actions: a double click runs "
       "\"open\""}}},
    {"NewActionTakesTheNamedDefault", "Preview", -1, "preview", "notepad.exe \"%1\"", {}},
    {"RenamingTheNamedActionAway",
     "open",
     0,
     "view",
     "notepad.exe \"%1\"",
     {{"Clear Setting", "a double click runs \"view\""}}},
};

TEST(DraftWarnings, WarnAndOfferMends) {
    TableSystem system;
    for (const WarningCase& c : kWarningCases) {
        TypeActions type;
        if (c.shellDefault) type.defaultVerb = c.shellDefault;
        type.verbs.resize(2);
        type.verbs[0].name = "open";
        type.verbs[1].name = "Edit";
        type.verbs[1].dde = Dde{"App", "System", ""};
        ActionDraft draft;
        if (c.editing >= 0) draft.editing = c.editing;
        draft.name = c.draftName;
        draft.command = c.command;
        const std::vector<DraftWarning> warnings = DraftWarnings(draft, type, system);
        ASSERT_EQ(warnings.size(), c.warnings.size()) << c.name;
        for (std::size_t i = 0; i < warnings.size(); ++i) {
            const DraftWarning& w = warnings[i];
            EXPECT_EQ(w.mendCaption, c.warnings[i].caption) << c.name;
            EXPECT_EQ(w.mend == Mend::None, w.mendCaption.empty()) << c.name;
            const bool editsCommand =
                w.mend == Mend::QuotePlaceholder || w.mend == Mend::QuoteProgram;
            if (editsCommand) {
                EXPECT_EQ(w.mendedCommand, c.warnings[i].detail) << c.name;
            } else {
                EXPECT_NE(w.text.find(c.warnings[i].detail), std::string::npos) << w.text;
            }
        }
    }
}

}  // namespace
