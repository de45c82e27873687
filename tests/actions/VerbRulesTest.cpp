// Which action a double click runs, and how the menu and the Actions list show an action.

#include <gtest/gtest.h>

#include "actions/ActionsList.h"
#include "actions/DefaultVerb.h"

using namespace actions;

namespace {

// Each case: the shell key's default value, the verbs, the one a double click runs (-1: none)
// and whether the value names none of them.
const std::tuple<std::string, std::vector<std::string>, int, bool> kDefaultCases[] = {
    {"  preview,\tПечать open ", {"open", "edit", "Печать"}, 2, false},
    {"gone", {"edit", "OPEN"}, 1, true},
    {"gone,lost", {"打开", "print"}, 0, true},
    {"", {"print", "edit"}, 0, false},
    {"open", {}, -1, true},
};

TEST(DefaultVerb, FollowsTheShellKeyThenOpenThenRegistryOrder) {
    for (const auto& [shellDefault, names, runs, namesNoVerb] : kDefaultCases) {
        TypeActions type;
        type.defaultVerb = shellDefault;
        for (const std::string& name : names) type.verbs.emplace_back().name = name;
        const DefaultVerb found = FindDefaultVerb(type);
        EXPECT_EQ(found.index ? static_cast<int>(*found.index) : -1, runs) << shellDefault;
        EXPECT_EQ(found.namesNoVerb, namesNoVerb) << shellDefault;
    }
}

// Each case: the shell key's default value, the verb renamed, its new name, and the value
// after it ("-": no write).
const std::string kRenameCases[][4] = {
    {" edit,Open\tOPEN ", "open", "Печать", " edit,Печать\tПечать "},
    {"edit open2", "open", "view", "-"},
    {"Печать", "Печать", "打印", "打印"},
};

TEST(DefaultVerb, FollowsARenameInPlace) {
    for (const auto& [shellDefault, from, to, after] : kRenameCases)
        EXPECT_EQ(DefaultAfterRename(shellDefault, from, to).value_or("-"), after) << shellDefault;
}

enum Flags { kDefault = 1, kExtended = 2, kHidden = 4, kHandler = 8 };

// Each case: the key name, its default value, its MUIVerb as resolved, flags, and the row: its
// text, what runs, and whether it is read-only.
const std::tuple<std::string, std::string, std::string, int, std::string> kRowCases[] = {
    {"open", "&Open with App", "Открыть", kDefault, "Открыть (default) | app.exe \"%1\""},
    {"sign", "&Edit && Sign", "", 0, "Edit & Sign | app.exe \"%1\""},
    {"PrintTo", "", "", kExtended, "Print to (with Shift) | app.exe \"%1\""},
    {"RUNAS", "", "", kHidden, "Run as administrator (hidden) | app.exe \"%1\""},
    {"打开&", "", "", 0, "打开& | app.exe \"%1\""},
    {"open", "", "", kHandler | kDefault | kExtended,
     "Open (default, with Shift) | Run by the handler {E44E9428} | read-only"},
};

TEST(ActionsList, ShowsMenuTextMarksAndWhatRuns) {
    for (const auto& [key, text, muiVerb, flags, shown] : kRowCases) {
        Verb verb;
        verb.name = key;
        verb.text = text;
        verb.muiVerbResolved = muiVerb;
        verb.extended = flags & kExtended;
        verb.programmaticAccessOnly = flags & kHidden;
        if (flags & kHandler) verb.handler = Handler::DelegateExecute;
        verb.handlerClsid = "{E44E9428}";
        verb.command = "app.exe \"%1\"";
        const ActionsRow row = ActionsListRow(verb, flags & kDefault);
        EXPECT_EQ(row.text + " | " + row.command + (row.readOnly ? " | read-only" : ""), shown);
    }
}

}  // namespace
