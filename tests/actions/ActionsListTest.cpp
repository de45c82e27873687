// The text of an action in the menu and in the Actions list, with its marks.

#include <gtest/gtest.h>

#include "actions/ActionsList.h"

using namespace actions;

namespace {

enum Flags { kPlain = 0, kExtended = 1, kHidden = 2, kHandler = 4 };

struct RowCase {
    const char* name;
    std::string key, text;
    std::optional<std::string> muiVerbResolved;
    int flags;
    bool isDefault;
    std::string shownText, shownCommand;
};

const std::string kCommand = "\"%ProgramFiles%\\App\\app.exe\" \"%1\"";
const std::string kClsid = "{E44E9428-BDBC-4987-A099-40DC8FD255E7}";

const RowCase kRowCases[] = {
    {"ResolvedMuiVerbWins", "open", "&Open with App", "Открыть", kPlain, true, "Открыть (default)",
     kCommand},
    {"DefaultValueLosesItsAccessKeys", "sign", "&Edit && Sign", std::nullopt, kPlain, false,
     "Edit & Sign", kCommand},
    {"UnresolvedMuiVerbFallsBack", "OPEN", "", std::nullopt, kPlain, false, "Open", kCommand},
    {"StandardVerbInOtherCase", "PrintTo", "", "", kExtended, false, "Print to (with Shift)",
     kCommand},
    {"RunAs", "runas", "", std::nullopt, kHidden, false, "Run as administrator (hidden)", kCommand},
    {"OtherVerbShowsItsKeyName", "打开&", "", std::nullopt, kPlain, true, "打开& (default)",
     kCommand},
    {"HandlerIsReadOnly", "open", "", std::nullopt, kHandler | kExtended, true,
     "Open (default, with Shift)", "Run by the handler " + kClsid},
};

TEST(ActionsList, ShowsMenuTextMarksAndWhatRuns) {
    for (const RowCase& c : kRowCases) {
        Verb verb;
        verb.name = c.key;
        verb.text = c.text;
        verb.muiVerb = "@%SystemRoot%\\system32\\shell32.dll,-8506";
        verb.muiVerbResolved = c.muiVerbResolved;
        verb.extended = c.flags & kExtended;
        verb.programmaticAccessOnly = c.flags & kHidden;
        verb.handler = c.flags & kHandler ? Handler::DelegateExecute : Handler::None;
        verb.handlerClsid = c.flags & kHandler ? kClsid : "";
        if (!(c.flags & kHandler)) verb.command = kCommand;
        const ActionsRow row = ActionsListRow(verb, c.isDefault);
        EXPECT_EQ(row.text, c.shownText) << c.name;
        EXPECT_EQ(row.command, c.shownCommand) << c.name;
        EXPECT_EQ(row.readOnly, (c.flags & kHandler) != 0) << c.name;
    }
}

}  // namespace
