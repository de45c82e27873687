// Every command undone with Ctrl+Z and redone with Ctrl+Y through the window: the whole
// scratch HKEY_CLASSES_ROOT comes back exactly, to the state before the command and after it.
// Also the confirmation box, the "registry has changed since" question, the lists rebuilt with
// the selected type kept, F5, and a command that cannot be recorded and so changes nothing.

#include <functional>

#include "ui/HistoryHarness.h"
#include "history/HistoryFolder.h"
#include "support/Cases.h"
#include "support/KeyTrees.h"
#include "support/WideRegistry.h"

using regscript::Key;

namespace {

constexpr const char* kAlpha = "Alpha.Type";
constexpr const char* kRich = "Rich.Type";
constexpr const char* kCharlie = "Charlie";
constexpr const char* kLocked = "Locked.Type";

// Alpha.Type with .aaa and .aab; Rich.Type with .bbb, every value type at depth 3; Charlie
// with .ccc; Locked.Type with .ro1 and .ro2, which the user holds and whose key refuses every
// write.
class History : public HistoryTest {
protected:
    void SetUp() override {
        RegisterType(".aaa", kAlpha, "Alpha files", (TestDataPath("icons10.dll") + ",2").c_str());
        RegisterType(".aab", kAlpha, "Alpha files");
        RegisterType(".bbb", kRich, "Rich files");
        widereg::WriteTree(HKEY_CLASSES_ROOT, u"Rich.Type", EveryValueType());
        RegisterType(".ccc", kCharlie, "Charlie files");
        RegisterType(".ro1", kLocked, "Locked files");
        // The user's own, made read-only: nothing checks the user's part before it is written.
        rawreg::PutText(HKEY_CURRENT_USER, "Software\\Classes\\.ro2", "", kLocked);
        widereg::SetAccess(HKEY_CURRENT_USER, u"Software\\Classes\\.ro2",
                           "D:(A;;KR;;;WD)(A;;0x50000;;;WD)");
        StartWithLibrary();
    }
};

struct CommandCase {
    const char* name;
    std::function<void(History&)> prepare;  // an earlier change, not undone here
    std::function<void(History&)> command;
    std::string undone;  // the change as the confirmation names it
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << c.name;
}

class EveryCommand : public History, public ::testing::WithParamInterface<CommandCase> {};

}  // namespace

TEST_P(EveryCommand, IsUndoneAndRedoneExactly) {
    const CommandCase& c = GetParam();
    if (c.prepare) c.prepare(*this);
    const Key before = Root();
    c.command(*this);
    const Key after = Root();
    ASSERT_NE(after, before) << "the command changed nothing";

    Undo("Undo " + c.undone + "?");
    EXPECT_EQ(Root(), before);
    Redo("Redo " + c.undone + "?");
    EXPECT_EQ(Root(), after);
    Undo("Undo " + c.undone + "?");
    EXPECT_EQ(Root(), before);
}

INSTANTIATE_TEST_SUITE_P(
    History, EveryCommand,
    ::testing::Values(
        CommandCase{"AddExtension", nullptr,
                    [](History& t) { t.AddExtension(RowOfType(kAlpha), "new"); },
                    "Add Extension \".new\" to \"Alpha.Type\""},
        CommandCase{"DeleteExtension", nullptr,
                    [](History& t) { t.DeleteExtension(RowOfType(kAlpha), 1); },
                    "Delete Extension \".aab\""},
        CommandCase{"AddFileType", nullptr,
                    [](History& t) { t.AddFileType("Added files", "Added.Type"); },
                    "Add File Type \"Added.Type\""},
        CommandCase{"DeleteFileType",
                    [](History& t) { t.AddFileType("Added files", "Added.Type"); },
                    [](History& t) { t.DeleteFileType(RowOfType("Added.Type")); },
                    "Delete File Type \"Added.Type\""},
        CommandCase{"Properties", nullptr,
                    [](History& t) { t.Properties(RowOfType(kCharlie), "Charlie edited"); },
                    "File Type Properties \"Charlie\""},
        CommandCase{"RenameOfATypeWithEveryValueTypeAtDepth3", nullptr,
                    [](History& t) {
                        t.Properties(RowOfType(kRich), "Rich renamed", "Rich.Renamed");
                        EXPECT_EQ(ReadKeySnapshot(HKEY_CLASSES_ROOT,
                                                  u"Rich.Renamed\\shell\\открыть\\command"),
                                  EveryValueTypeAtDepth3());
                        EXPECT_EQ(ReadKeySnapshot(HKEY_CLASSES_ROOT, u"Rich.Type"), std::nullopt);
                    },
                    "Rename File Type \"Rich.Type\" to \"Rich.Renamed\""},
        CommandCase{"IconDrop", nullptr, [](History& t) { t.DropIcon(7, RowOfType(kCharlie)); },
                    "Change Icon \"Charlie\""},
        CommandCase{"ExtensionMove", nullptr,
                    [](History& t) { t.MoveExtension(RowOfType(kAlpha), 0, RowOfType(kCharlie)); },
                    "Move Extension \".aaa\" to \"Charlie\""},
        CommandCase{"NewActionWithBrowse", nullptr,
                    [](History& t) {
                        using namespace actions_test;
                        const std::string writer = TestDataPath("args_writer.exe");
                        t.Actions(RowOfType(kCharlie),
                                  {In("", 0, TfrmActions::IDC_BTNNEW),
                                   InEditAction({.name = "Открыть 開く",
                                                 .button = TfrmEditAction::IDC_BTNBROWSE}),
                                   InFileDialog(writer), InEditAction({}), In("", VK_ESCAPE)});
                        EXPECT_TRUE(rawreg::HasValue(
                            HKEY_CLASSES_ROOT, "Charlie\\shell\\Открыть 開く\\command", "", REG_SZ,
                            rawreg::Bytes("\"" + writer + "\" \"%1\"")));
                    },
                    "New Action \"Открыть 開く\" of \"Charlie\""},
        CommandCase{"RemoveAction", nullptr,
                    [](History& t) {
                        using namespace actions_test;
                        t.Actions(RowOfType(kRich),
                                  {In("empty", VK_DELETE),
                                   Box("Remove action \"empty\" of \"Rich.Type\"?", IDYES),
                                   In("", 0, IDCANCEL)});
                        EXPECT_FALSE(
                            rawreg::KeyExists(HKEY_CLASSES_ROOT, "Rich.Type\\shell\\empty"));
                    },
                    "Remove Action \"empty\" of \"Rich.Type\""},
        CommandCase{"SetDefaultAction", nullptr,
                    [](History& t) {
                        using namespace actions_test;
                        std::vector<std::string> rows;
                        t.Actions(RowOfType(kRich),
                                  {In("открыть", 0, TfrmActions::IDC_BTNDEFAULT),
                                   In("", VK_ESCAPE, 0, [&](HWND w) { rows = ActionRows(w); })});
                        EXPECT_EQ(rows.at(1), "открыть | Open (default) | Документ 文本");
                    },
                    "Set Default Action \"открыть\" of \"Rich.Type\""},
        CommandCase{"FailedHalfWayAtAReadOnlyKey", nullptr,
                    [](History& t) {
                        t.Properties(RowOfType(kLocked), std::nullopt, "Locked.Renamed",
                                     [](ModalDriver& modal) {
                                         modal.ExpectMessageBox("Failed to create key .ro2.");
                                     });
                        EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, ".ro1", ""), "Locked.Renamed");
                        EXPECT_GE(RowOfType(kLocked), 0)
                            << "the lists show what the registry holds";
                    },
                    "Rename File Type \"Locked.Type\" to \"Locked.Renamed\""}),
    CaseName());

TEST_F(History, ConfirmationIsTheDesignedBoxAndNoOrEscapeUndoNothing) {
    DeleteExtension(RowOfType(kAlpha), 1);
    const Key after = Root();
    // The box is the one Delete Extension asks with, whose default button is tested there.
    std::vector<SeenMessageBox> asked;
    {
        ModalDriver modal;
        modal.AnswerNextModal([&](HWND box) {
            asked.push_back(ReadMessageBox(box));
            PressDialogButton(box, IDNO);
        });
        modal.AnswerNextModal([&](HWND box) {
            asked.push_back(ReadMessageBox(box));
            PostMessageA(GetFocus() ? GetFocus() : box, WM_KEYDOWN, VK_ESCAPE, 1);
        });
        EXPECT_TRUE(PressKey('Z', true));
        EXPECT_EQ(Root(), after);
        EXPECT_TRUE(PressKey('Z', true));
        EXPECT_EQ(Root(), after);
    }
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].caption, "Confirm");
    EXPECT_EQ(asked[0].text, "Undo Delete Extension \".aab\"?");
    EXPECT_EQ(asked[0].buttons, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(asked[0].icon, LoadIcon(nullptr, IDI_QUESTION));
    EXPECT_EQ(history.Files().size(), 1u) << "an undo answered No leaves no record";
    EXPECT_TRUE(form->Inspect().canUndo);
}

TEST_F(History, NothingToUndoOrRedoAsksNothing) {
    ModalDriver modal;  // any box that came would fail the test
    EXPECT_TRUE(PressKey('Z', true));
    EXPECT_TRUE(PressKey('Y', true));
    EXPECT_FALSE(PressKey('Z', false)) << "Z alone is no shortcut";
    EXPECT_TRUE(history.Files().empty());
}

TEST_F(History, AChangeByAnotherProgramIsNamedInTheQuestion) {
    const Key before = Root();
    DeleteExtension(RowOfType(kCharlie), 0);
    rawreg::PutText(HKEY_CLASSES_ROOT, ".ccc", "", "Installer.Type");
    Undo("The registry has changed since \"Delete Extension .ccc\". Undo it anyway?");
    EXPECT_EQ(Root(), before);
    rawreg::PutText(HKEY_CLASSES_ROOT, ".ccc", "Extra", "x");
    Redo("The registry has changed since \"Undo Delete Extension .ccc\". Redo it anyway?");
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, ".ccc"));
}

TEST_F(History, UndoRebuildsTheListsKeepingTheSelectedTypeAndF5ShowsOtherProgramsChanges) {
    const std::vector<std::string> rows = Rows(lb());
    DeleteExtension(RowOfType(kAlpha), 1);
    SelectRow(RowOfType(kCharlie));
    Undo("Undo Delete Extension \".aab\"?");
    EXPECT_EQ(Rows(lb()), rows);
    EXPECT_EQ(selectedRow(lb()), RowOfType(kCharlie));
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".ccc"});
    SelectRow(RowOfType(kAlpha));
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".aaa", ".aab"}));

    rawreg::PutText(HKEY_CLASSES_ROOT, ".zzz", "", kCharlie);
    rawreg::PutText(HKEY_CLASSES_ROOT, kCharlie, "", "Charlie by another program");
    SelectRow(RowOfType(kCharlie));
    EXPECT_TRUE(PressKey(VK_F5, false));
    EXPECT_EQ(rowText(lb(), selectedRow(lb())), "Charlie by another program (Charlie)");
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".ccc", ".zzz"}));
    EXPECT_EQ(history.Files().size(), 2u) << "F5 records nothing";
}

// A command that cannot be recorded does not run: its error box says why, and neither the
// registry nor the catalogue nor the lists change.
TEST_F(History, ACommandThatCannotBeRecordedChangesNothing) {
    const std::wstring blocker = history.Folder() + L"\\in the way";
    CloseHandle(CreateFileW(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    MoveHistoryFolder(blocker + L"\\History");
    // As the command is about to run: its selection made, its own windows answered.
    std::vector<SeenMessageBox> boxes;
    Key before;
    std::vector<std::string> rows, exts;
    int selected = -1;
    const HistoryTest::Then errorBox = [&](ModalDriver& modal) {
        before = Root();
        rows = Rows(lb());
        exts = Rows(lbExt());
        selected = selectedRow(lb());
        modal.AnswerNextModal([&](HWND box) {
            boxes.push_back(ReadMessageBox(box));
            PressDialogButton(box, IDOK);
        });
    };
    const std::function<void()> commands[] = {
        [&] { DeleteExtension(RowOfType(kAlpha), 1, errorBox); },
        [&] { Properties(RowOfType(kRich), "Rich renamed", "Rich.Renamed", errorBox); },
        [&] { MoveExtension(RowOfType(kAlpha), 0, RowOfType(kCharlie), errorBox); },
        [&] { AddFileType("Added", "Added.Type", errorBox); },
    };
    for (const auto& command : commands) {
        boxes.clear();
        command();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].text.starts_with(
            "The change cannot be recorded, so it was not made: cannot make the history folder \""))
            << boxes[0].text;
        EXPECT_EQ(boxes[0].icon, LoadIcon(nullptr, IDI_HAND));
        EXPECT_EQ(Root(), before);
        EXPECT_EQ(Rows(lb()), rows);
        EXPECT_EQ(selectedRow(lb()), selected);
        EXPECT_EQ(Rows(lbExt()), exts);
    }
    EXPECT_FALSE(form->Inspect().canUndo);
    MoveHistoryFolder(history.Folder());
    EXPECT_EQ(history.Files(), std::vector<std::wstring>{L"in the way"});
}
