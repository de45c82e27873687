// The conventions of a list editor, driven by real input: right-clicks on the lists' rows
// and keys posted to the focused list, through the window's procedures and its key table.
// Every context-menu item and key runs its button's command with its checks: nothing
// selected, refusals, the confirmation answered No.

#include "ui/ListMenuHarness.h"
#include "support/Cases.h"
#include "support/WideRegistry.h"

using menu_test::Script;
using menu_test::Step;

namespace {

// The restart is greyed: Wine's user may write the machine's classes.
const std::string kRestart = "|-|Restart as Administrator~";
const std::string kTypeMenu =
    "menu:Properties*|Actions...|Delete File Type|-|Explorer's view...|Export...|-|Copy Name|-|"
    "Undo~|Redo~" +
    kRestart;
const std::string kExtMenu =
    "menu:Delete Extension|-|Explorer's view...|Export...|-|Copy Name|-|Undo~|Redo~" + kRestart;
const std::string kNamed = ".тип文";  // an extension named in Cyrillic and CJK

enum class On { Types, Exts };

struct Input {
    On list;
    int row = -1;    // a right-click on this row, or
    WPARAM key = 0;  // this key, with
    bool ctrl = false, shift = false;
};

Input RightClick(On list, int row) {
    return {list, row};
}
Input Key(On list, WPARAM key, bool ctrl = false, bool shift = false) {
    return {list, -1, key, ctrl, shift};
}

struct Case {
    const char* name;
    int typeRow, extRow;  // selected before (-1: none); extRow after the type's refresh
    Input input;
    std::vector<Step> steps;
    std::vector<std::string> log;
    std::string clipboard = "";  // when given, the clipboard's text afterwards
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// The answers to the modal windows in turn, and the log of what they showed.
std::vector<Step> Answers(std::initializer_list<Step> steps) {
    return steps;
}
std::vector<std::string> Seen(std::initializer_list<std::string> log) {
    return log;
}

const std::vector<Case> kCases = {
    {"PropertiesItem", -1, -1, RightClick(On::Types, 0), Answers({{"Properties"}, {}}),
     Seen({kTypeMenu, "window:Properties"})},
    {"ActionsItem", -1, -1, RightClick(On::Types, 0), Answers({{"Actions..."}, {}}),
     Seen({kTypeMenu, "window:Actions of TypeA"})},
    {"DeleteFileTypeItemRefusesATypeWithExtensions", -1, -1, RightClick(On::Types, 0),
     Answers({{"Delete File Type"}, {}}),
     Seen({kTypeMenu, "box:Delete all file extensions first!"})},
    {"DeleteExtensionItemAnsweredNo", 0, 0, RightClick(On::Exts, 1),
     Answers({{"Delete Extension"}, {"", IDNO}}),
     Seen({kExtMenu, "box:Delete extension \"" + kNamed + "\" ?"})},
    {"ExplorersViewItemOfAType", -1, -1, RightClick(On::Types, 1),
     Answers({{"Explorer's view..."}, {}}), Seen({kTypeMenu, "window:Explorer's view of .bbb"})},
    {"ExplorersViewItemOfAnExtension", 0, 0, RightClick(On::Exts, 1),
     Answers({{"Explorer's view..."}, {}}),
     Seen({kExtMenu, "window:Explorer's view of " + kNamed})},
    {"CopyNameItemOfAType", -1, -1, RightClick(On::Types, 1), Answers({{"Copy Name"}}),
     Seen({kTypeMenu}), "TypeB"},
    {"CopyNameItemOfAnExtension", 0, 0, RightClick(On::Exts, 1), Answers({{"Copy Name"}}),
     Seen({kExtMenu}), kNamed},
    {"MenuKeyWithNothingSelected", -1, -1, Key(On::Types, VK_APPS), Answers({{"Properties"}, {}}),
     Seen({kTypeMenu, "box:Select a File Type first!"})},
    {"ShiftF10OnExtensionsWithNothingSelected", 0, -1, Key(On::Exts, VK_F10, false, true),
     Answers({{"Delete Extension"}, {}}), Seen({kExtMenu, "box:Select an Extension first!"})},
    {"ExportItemWithNothingSelected", 0, -1, Key(On::Exts, VK_APPS), Answers({{"Export..."}, {}}),
     Seen({kExtMenu, "box:Select an Extension first!"})},
    {"CopyNameItemWithNothingSelected", 0, -1, Key(On::Exts, VK_APPS), Answers({{"Copy Name"}, {}}),
     Seen({kExtMenu, "box:Select an Extension first!"})},
    {"EnterOpensProperties", 1, 0, Key(On::Types, VK_RETURN), Answers({{}}),
     Seen({"window:Properties"})},
    {"EnterWithNothingSelected", -1, -1, Key(On::Types, VK_RETURN), Answers({{}}),
     Seen({"box:Select a File Type first!"})},
    {"DeleteKeyOnExtensionsAnsweredNo", 0, 0, Key(On::Exts, VK_DELETE), Answers({{"", IDNO}}),
     Seen({"box:Delete extension \".aaa\" ?"})},
    {"DeleteKeyOnExtensionsWithNothingSelected", 0, -1, Key(On::Exts, VK_DELETE), Answers({{}}),
     Seen({"box:Select an Extension first!"})},
    {"DeleteKeyOnTypes", 0, 0, Key(On::Types, VK_DELETE), Answers({{}}),
     Seen({"box:Delete all file extensions first!"})},
    {"CtrlFFinds", -1, -1, Key(On::Types, 'F', true), Answers({{}}),
     Seen({"window:Find Extension"})},
    {"F1OpensQuickHelp", -1, -1, Key(On::Exts, VK_F1), Answers({{}}),
     Seen({"window:Kestrune Quick Help"})},
    {"CtrlCCopiesTheType", 1, 0, Key(On::Types, 'C', true), Answers({}), Seen({}), "TypeB"},
    {"CtrlCCopiesTheExtension", 0, 1, Key(On::Exts, 'C', true), Answers({}), Seen({}), kNamed},
    {"CtrlCWithNothingSelected", -1, -1, Key(On::Types, 'C', true), Answers({{}}),
     Seen({"box:Select a File Type first!"})},
};

// The clipboard's wide text, as UTF-8.
std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = widereg::Utf8(static_cast<const wchar_t*>(GlobalLock(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// Row 0 "Ay files (TypeA)" with .aaa and .тип文, row 1 "Bee files (TypeB)" with .bbb; the
// windows the commands open exist.
class ListConventions : public MainWindowTest, public ::testing::WithParamInterface<Case> {
protected:
    void SetUp() override {
        addExt.Create();
        props.Create();
        help.Create();
        frmAddExt = &addExt;
        frmProperties = &props;
        frmHelp = &help;
        RegisterType(".aaa", "TypeA", "Ay files");
        RegisterType(kNamed, "TypeA", "Ay files");
        RegisterType(".bbb", "TypeB", "Bee files");
        Start();
        ASSERT_EQ(Rows(lb()), (std::vector<std::string>{"Ay files (TypeA)", "Bee files (TypeB)"}));
    }
    void TearDown() override {
        frmAddExt = nullptr;
        frmProperties = nullptr;
        frmHelp = nullptr;
    }

    HWND ListOf(On list) const { return list == On::Types ? lb() : lbExt(); }

    // Messages as the program's loop handles them, keys first.
    void PumpWithKeys() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT || form->TranslateShortcut(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    void Give(const Input& in) {
        const HWND list = ListOf(in.list);
        if (in.row >= 0) {
            menu_test::PostRightClick(list, in.row);
            return PumpWithKeys();
        }
        SetFocus(list);
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_CONTROL] = in.ctrl ? 0x80 : 0;
        state[VK_SHIFT] = in.shift ? 0x80 : 0;
        SetKeyboardState(state);
        // F10 is a system key: it comes as WM_SYSKEYDOWN.
        const bool system = in.key == VK_F10;
        PostMessageA(list, system ? WM_SYSKEYDOWN : WM_KEYDOWN, in.key, 1);
        PostMessageA(list, system ? WM_SYSKEYUP : WM_KEYUP, in.key, 0xC0000001);
        PumpWithKeys();
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }

    TfrmAddExt addExt;
    TfrmProperties props;
    TfrmHelp help;
};

TEST_P(ListConventions, RunTheButtonsCommand) {
    const Case& c = GetParam();
    SelectRow(c.typeRow);
    selectRow(lbExt(), c.extRow);
    SetClipboardText("before");
    ModalDriver modal;
    Script script(modal);
    for (const Step& step : c.steps) script.Then(step);
    Give(c.input);
    EXPECT_EQ(script.Log(), c.log);
    EXPECT_EQ(modal.Pending(), 0u);
    EXPECT_EQ(ClipboardText(), c.clipboard.empty() ? "before" : c.clipboard);
    // No command here changes the registry.
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, kNamed, ""), "TypeA");
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, ".aaa", ""), "TypeA");
}

INSTANTIATE_TEST_SUITE_P(Input, ListConventions, ::testing::ValuesIn(kCases), CaseName());

// A right-click selects the row first, as a click does: the extension list is rebuilt for
// it, and the row stays selected after the menu closed with Escape. (The extension list's
// menu: ExplorersViewItemOfAnExtension.)
TEST_F(ListConventions, RightClickSelectsTheRowAndRefreshesTheExtensions) {
    SelectRow(0);
    ModalDriver modal;
    Script script(modal);
    script.Then({""});
    Give(RightClick(On::Types, 1));
    EXPECT_EQ(script.Log(), std::vector<std::string>{kTypeMenu});
    EXPECT_EQ(selectedRow(lb()), 1);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".bbb"});
    EXPECT_EQ(selectedRow(lbExt()), 0);
    EXPECT_EQ(GetFocus(), lb());
}

// Delete Extension from the menu answered Yes deletes the key the row names, as the button
// does; the menus then offer to undo it, naming it, and after the undo to redo it.
TEST_F(ListConventions, DeleteExtensionItemAnsweredYesDeletesAndTheMenusUndoAndRedoIt) {
    SelectRow(0);
    rawreg::PutText(HKEY_CLASSES_ROOT, kNamed + "\\ShellNew", "", "x");
    const std::string change = "Delete Extension \"" + kNamed + "\"";
    ModalDriver modal;
    Script script(modal);
    for (const std::string& item :
         {std::string("Delete Extension"), "Undo " + change, "Redo " + change}) {
        script.Then({item});
        script.Then({"", IDYES});  // the confirmation
    }
    Give(RightClick(On::Exts, 1));
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, kNamed));
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".aaa"});
    Give(RightClick(On::Types, 0));
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, kNamed + "\\ShellNew", ""), "x");
    Give(RightClick(On::Exts, 0));
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, kNamed));
    const std::string typeItems =
        "menu:Properties*|Actions...|Delete File Type|-|Explorer's view...|"
        "Export...|-|Copy Name|-|";
    const std::string extItems =
        "menu:Delete Extension|-|Explorer's view...|Export...|-|"
        "Copy Name|-|";
    EXPECT_EQ(script.Log(),
              (std::vector<std::string>{
                  extItems + "Undo~|Redo~" + kRestart, "box:Delete extension \"" + kNamed + "\" ?",
                  typeItems + "Undo " + change + "|Redo~" + kRestart, "box:Undo " + change + "?",
                  extItems + "Undo~|Redo " + change + kRestart, "box:Redo " + change + "?"}));
}

}  // namespace
