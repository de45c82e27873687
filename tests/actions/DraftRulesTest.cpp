// The rules of an action as it is edited, on a machine of the tests' own (a table of files,
// %LOCALAPPDATA% at the start of a path, a search of C:\Windows alone): the program of its command
// line, the warnings and their mends, the refusals, and the value type its command is written with.

#include <gtest/gtest.h>

#include <set>

#include "actions/DraftRefusals.h"
#include "base/RegistryText.h"
#include "actions/DraftWarnings.h"

using namespace actions;

namespace {

const std::string kApp = "C:\\Program Files\\App\\app.exe";
const std::string kEditor = "C:\\Программы\\Редактор 文本\\edit.exe";
const std::string kLocal = "%LOCALAPPDATA%", kLocalFolder = "C:\\Users\\Дмитрий\\AppData\\Local";
const std::set<std::string> kFiles = {kApp, kEditor, kLocalFolder + "\\app.exe",
                                      "C:\\Windows\\notepad.exe", "C:\\My.exe"};

class TableSystem : public CommandSystem {
public:
    std::string Expand(const std::string& text) override {
        return text.starts_with(kLocal) ? kLocalFolder + text.substr(kLocal.size()) : text;
    }
    bool FileExists(const std::string& path) override { return kFiles.count(path) > 0; }
    std::optional<std::string> Search(const std::string& name) override {
        return FileExists("C:\\Windows\\" + name) ? std::optional("C:\\Windows\\" + name)
                                                  : std::nullopt;
    }
};

// Each case: a command line, its program part, and the file found or "?" and the one looked for.
const std::string kProgramCases[][3] = {
    {"\"" + kApp + "\" \"%1\"", "\"" + kApp + "\"", kApp},
    {kApp + " /open %1", kApp, kApp},
    {"C:\\My Apps\\tool.exe %1", "C:\\My", "C:\\My.exe"},
    {"C:\\Program Files\\App\\app  -x", "C:\\Program Files\\App\\app", kApp},
    {"\"" + kEditor + "\" %V", "\"" + kEditor + "\"", kEditor},
    {"C:\\Old Dir\\gone.exe -f", "C:\\Old Dir\\gone.exe", "?C:\\Old Dir\\gone.exe"},
    {"nothere %1", "nothere", "?nothere.exe"},
    {"\"%1\" %*", "\"%1\"", "%1"},
};

TEST(CommandLine, FindsTheProgramPart) {
    TableSystem system;
    for (const auto& [command, part, file] : kProgramCases) {
        const Program program = FindProgram(command, system);
        EXPECT_EQ(command.substr(program.begin, program.end - program.begin), part) << command;
        EXPECT_EQ(program.found.value_or("?" + program.lookedFor), file) << command;
    }
}

// The verbs of the type a draft is checked against: open, Печать, and Share, which a handler
// runs and which sends DDE.
TypeActions typeOf(const std::string& shellDefault) {
    TypeActions type;
    type.defaultVerb = shellDefault;
    for (const char* name : {"open", "Печать", "Share"}) type.verbs.emplace_back().name = name;
    type.verbs[2].handler = Handler::ExplorerCommandHandler;
    type.verbs[2].dde = Dde{"App", "System", ""};
    return type;
}

ActionDraft draftOf(int editing, const std::string& name, const std::string& command) {
    ActionDraft draft;
    if (editing >= 0) draft.editing = editing;
    draft.name = name;
    draft.command = command;
    return draft;
}

// Each case: the shell key's default value, the verb edited (-1: a new one), its name and
// command, and each warning: its mend's caption with the command the mend gives, or a caption
// alone for a mend of the registry, or the text of a warning without a mend.
const std::string kWarningCases[][5] = {
    {"", "-1", "view", "notepad %1 /f=%l \"%1\" %V %* %2",
     "Quote %1: notepad \"%1\" /f=%l \"%1\" %V %* %2\n"
     "Quote %l: notepad %1 /f=\"%l\" \"%1\" %V %* %2\n"
     "Quote %V: notepad %1 /f=%l \"%1\" \"%V\" %* %2\n"},
    {"", "-1", "view", kLocal + "\\app \"%L\" %*", ""},
    {"", "-1", "view", kApp + " \"%1\"", "Quote Path: \"" + kApp + "\" \"%1\"\n"},
    {"", "-1", "view", "C:\\A B\\a.exe",
     "Quote Path: \"C:\\A B\\a.exe\"\nWindows cannot find the program \"C:\\A B\\a.exe\".\n"},
    {"preview", "2", "Share", "", "Remove DDE\nClear Setting\n"},
    {"Preview", "-1", "preview", "notepad \"%1\"", ""},
    {"open", "0", "view", "notepad \"%1\"", ""},  // the default action follows the rename
};

TEST(DraftWarnings, WarnAndOfferMends) {
    TableSystem system;
    for (const auto& [shellDefault, editing, name, command, expected] : kWarningCases) {
        std::string shown;
        for (const DraftWarning& w : DraftWarnings(draftOf(std::stoi(editing), name, command),
                                                   typeOf(shellDefault), system))
            shown += (w.mend == Mend::None ? w.text : w.mendCaption) +
                     (w.mendedCommand.empty() ? "" : ": " + w.mendedCommand) + "\n";
        EXPECT_EQ(shown, expected) << command;
    }
}

TEST(DraftWarnings, MendsOfTheRegistryChosenInTheDialogEndTheirWarnings) {
    TableSystem system;
    ActionDraft draft = draftOf(2, "Share", "");
    draft.removeDde = draft.clearDefaultVerb = true;
    EXPECT_TRUE(DraftWarnings(draft, typeOf("preview"), system).empty());
}

std::string repeated(const std::string& piece, int times) {
    return times > 0 ? piece + repeated(piece, times - 1) : "";
}

// Each case: the verb edited (-1: a new one), its name and command, and the refusal.
const std::tuple<int, std::string, std::string, std::string> kRefusalCases[] = {
    {-1, "Open with Редактор 文本", "notepad \"%1\"", ""},
    {-1, "", "notepad \"%1\"", kEnterActionName},
    {-1, "open\\command", "notepad \"%1\"", kBackslashInActionName},
    {-1, repeated("Ж", 256), "notepad \"%1\"", kActionNameTooLong},
    {-1, repeated("Ж", 255), "notepad \"%1\"", ""},
    {-1, "OPEN", "notepad \"%1\"", ActionExistsMessage("OPEN")},
    {0, "Open", "notepad \"%1\"", ""},
    {0, "Печать", "notepad \"%1\"", ActionExistsMessage("Печать")},
    {-1, "view", "", kEnterCommand},
    {0, "open", " \t", kEnterCommand},
    {2, "Share", "", ""},  // a handler runs it
};

TEST(DraftRefusals, RefuseWhatCannotBeWritten) {
    for (const auto& [editing, name, command, refusal] : kRefusalCases)
        EXPECT_EQ(DraftRefusal(draftOf(editing, name, command), typeOf("")), refusal) << name;
}

// A command keeps its stored type (REG_SZ 1, REG_EXPAND_SZ 2); a new one naming a variable
// expands.
TEST(CommandValueType, KeepsTheStoredTypeOrFollowsTheText) {
    EXPECT_FALSE(WritesExpandable(std::nullopt, "\"C:\\A B\\a.exe\" \"%1\" %*"));
    EXPECT_TRUE(WritesExpandable(std::nullopt, "%windir%\\a.exe"));
    EXPECT_FALSE(WritesExpandable(1, "%windir%\\a.exe"));
    EXPECT_TRUE(WritesExpandable(2, "a.exe \"%1\""));
}

}  // namespace
