// What an edited action may not be: each refusal, and the names and commands accepted.

#include <gtest/gtest.h>

#include "actions/DraftRefusals.h"

using namespace actions;

namespace {

struct RefusalCase {
    const char* name;
    int editing;  // -1: a new action
    std::string draftName, command, refusal;
};

std::string repeated(const std::string& piece, int times) {
    std::string text;
    while (times-- > 0) text += piece;
    return text;
}

const std::string kCommand = "\"%SystemRoot%\\system32\\notepad.exe\" \"%1\"";

const RefusalCase kRefusalCases[] = {
    {"FreshName", -1, "Open with Редактор 文本", kCommand, ""},
    {"EmptyName", -1, "", kCommand, kEnterActionName},
    {"Backslash", -1, "open\\command", kCommand, kBackslashInActionName},
    {"LongerThanAKeyName", -1, repeated("x", 256), kCommand, kActionNameTooLong},
    {"LongestCjkNameCountsCharacters", -1, repeated("文", 255), kCommand, ""},
    {"AnotherActionInOtherCase", -1, "OPEN", kCommand, ActionExistsMessage("OPEN")},
    {"OwnNameInOtherCase", 0, "Open", kCommand, ""},
    {"RenamedToAnotherAction", 0, "Печать", kCommand, ActionExistsMessage("Печать")},
    {"EmptyCommand", -1, "view", "", kEnterCommand},
    {"BlankCommand", 0, "open", " \t", kEnterCommand},
    {"HandlerActionNeedsNoCommand", 2, "Share", "", ""},
};

TypeActions typeWithHandler() {
    TypeActions type;
    type.verbs.resize(3);
    type.verbs[0].name = "open";
    type.verbs[1].name = "Печать";
    type.verbs[2].name = "Share";
    type.verbs[2].handler = Handler::ExplorerCommandHandler;
    return type;
}

ActionDraft draftOf(int editing, const std::string& name, const std::string& command) {
    ActionDraft draft;
    if (editing >= 0) draft.editing = editing;
    draft.name = name;
    draft.command = command;
    return draft;
}

TEST(DraftRefusals, RefuseWhatCannotBeWritten) {
    for (const RefusalCase& c : kRefusalCases)
        EXPECT_EQ(DraftRefusal(draftOf(c.editing, c.draftName, c.command), typeWithHandler()),
                  c.refusal)
            << c.name;
}

TEST(DraftRefusals, NamesCompareByTheRuleGiven) {
    EXPECT_EQ(DraftRefusal(draftOf(-1, "OPEN", kCommand), typeWithHandler(),
                           std::equal_to<std::string>()),
              "");
}

}  // namespace
