// The Actions window of a type with a default action, one shown only with Shift, one that
// sends DDE and one a handler runs, driven by real input: what it lists; an edit that keeps
// every value and key it does not edit while the default action follows a rename; the mends of
// the registry; a refusal that keeps the dialog open. (Each button with its undo:
// HistoryCommandsWinTest.)

#include "ui/HistoryHarness.h"
#include "support/WideRegistry.h"

using namespace actions_test;

namespace {

constexpr const char* kType = "kst.Тип";
const std::string kShell = std::string(kType) + "\\shell";
const std::string kUnquoted = "%SystemRoot%\\notepad.exe %1";

class ActionsWindow : public HistoryTest {
protected:
    void SetUp() override {
        RegisterType(".kst", kType, "Kst files");
        const auto put = [](const std::string& key, const char* name, const std::string& text) {
            rawreg::PutText(HKEY_CLASSES_ROOT, kShell + key, name, text);
        };
        put("", "", "open");
        rawreg::PutDword(HKEY_CLASSES_ROOT, kShell, "Zeta", 7);
        put("\\open", "MUIVerb", "Öffnen");
        rawreg::PutDword(HKEY_CLASSES_ROOT, kShell + "\\open", "Unknown", 1);
        put("\\open\\DropTarget", "Clsid", "{0}");
        rawreg::Put(HKEY_CLASSES_ROOT, kShell + "\\open\\command", "", REG_EXPAND_SZ,
                    rawreg::Bytes(kUnquoted));
        put("\\print", "Extended", "");
        put("\\print\\command", "", "notepad /p \"%1\"");
        put("\\share", "ExplorerCommandHandler", "{E4}");
        put("\\view\\command", "", "notepad.exe \"%1\"");
        put("\\view\\ddeexec\\Application", "", "Notepad");
        Start();
    }
};

}  // namespace

TEST_F(ActionsWindow, ListsItsActionsAndAnEditKeepsWhatItDoesNotEditWhileTheDefaultFollows) {
    const regscript::Key before = Root();
    widereg::Tree expected = widereg::Snapshot(HKEY_CLASSES_ROOT, widereg::Wide(kShell + "\\open"));
    std::vector<std::string> rows;
    Actions(RowOfType(kType),
            {In("share", 0),
             In("open", VK_RETURN, 0,
                [&](HWND w) {
                    rows = ActionRows(w);
                    const HWND edit = ControlOf(w, TfrmActions::IDC_BTNEDIT);
                    rows.push_back(IsWindowEnabled(edit) ? "Edit" : "no Edit");
                }),
             InEditAction(
                 {.name = "Öffnen", .text = "Ö&ffnen", .toggleShift = true, .mends = {"Quote %1"}}),
             In("", VK_ESCAPE)});
    EXPECT_EQ(rows, (std::vector<std::string>{"open | Öffnen (default) | " + kUnquoted,
                                              "print | Print (with Shift) | notepad /p \"%1\"",
                                              "share | share | Run by the handler {E4}",
                                              "view | view | notepad.exe \"%1\"",
                                              "no Edit"}));  // on share's row
    expected[L""][L""] = {REG_SZ, regscript::TextBytes(u"Ö&ffnen")};
    expected[L""][L"Extended"] = {REG_SZ, regscript::TextBytes(u"")};
    expected[L"command"][L""] = {REG_EXPAND_SZ,
                                 regscript::TextBytes(u"%SystemRoot%\\notepad.exe \"%1\"")};
    EXPECT_EQ(widereg::Snapshot(HKEY_CLASSES_ROOT, widereg::Wide(kShell + "\\Öffnen")), expected);
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, kShell, ""), "Öffnen");
    EXPECT_TRUE(rawreg::HasValue(HKEY_CLASSES_ROOT, kShell, "Zeta", REG_DWORD));
    Undo("Undo Edit Action \"open\" of \"kst.Тип\"?");
    EXPECT_EQ(Root(), before);
}

TEST_F(ActionsWindow, MendsOfTheRegistryAndARefusalThatKeepsTheDialogOpen) {
    rawreg::PutText(HKEY_CLASSES_ROOT, kShell, "", "gone");
    std::vector<std::string> refused, mended;
    Actions(RowOfType(kType),
            {In("view", VK_RETURN), InEditAction({.name = "PRINT", .warnings = &refused}),
             Box("This file type already has an action named \"PRINT\"!"),
             InEditAction(
                 {.name = "view", .mends = {"Remove DDE", "Clear Setting"}, .warnings = &mended}),
             In("", VK_ESCAPE)});
    EXPECT_EQ(refused, (std::vector<std::string>{
                           std::string(actions::kDdeWarning) + " [Remove DDE]",
                           "The type's default action is set to \"gone\", which names none of its "
                           "actions: a double click runs \"open\". [Clear Setting]"}));
    EXPECT_EQ(mended, std::vector<std::string>{kNoWarnings});
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, kShell + "\\view\\ddeexec"));
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, kShell, ""), "");
}
