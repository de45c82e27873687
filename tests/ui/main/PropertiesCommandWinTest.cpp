// The File Type Properties command: the dialog filled from the selected type, and on OK the
// catalogue, the row and the labels first, then the extension keys, the move of a renamed
// type key, and the description and icon location. Names that would write into the root,
// into a nested key or into another type's key are refused and change nothing.

#include <algorithm>

#include "ui/PropertiesHarness.h"

using props_test::RegTree;
using props_test::Snapshot;

namespace {

class PropertiesCommand : public PropertiesCommandTest {
protected:
    // Row 0: "Text files (txtfile)" with .log and .txt (the registry lists them in that order),
    // icon 3 of icons10.dll, a shell command below the key; row 1: "Bee files (TypeB)" with .vvv
    // and no icon location.
    void SetUp() override {
        RegisterType(".txt", "txtfile", "Text files", (TestDataPath("icons10.dll") + ",3").c_str());
        RegisterType(".log", "txtfile", "Text files");
        RegisterType(".vvv", "TypeB", "Bee files");
        rawreg::PutText(HKEY_CLASSES_ROOT, "txtfile\\shell\\open\\command", "", "notepad \"%1\"");
        rawreg::PutDword(HKEY_CLASSES_ROOT, "txtfile", "EditFlags", 0x10000);
        Start();
        ASSERT_EQ(Rows(lb()),
                  (std::vector<std::string>{"Text files (txtfile)", "Bee files (TypeB)"}));
    }

    SeenProperties Properties(int row, PropertiesAnswer answer) {
        SelectRow(row);
        return RunDialog(IDC_BTNCHANGEICON, std::move(answer));
    }
};

}  // namespace

TEST_F(PropertiesCommand, WithoutASelectedTypeItShowsAMessageAndNoDialog) {
    ModalDriver modal;
    modal.ExpectMessageBox("Select a File Type first!");
    Click(IDC_BTNCHANGEICON);
    EXPECT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(modal.Pending(), 0u);
}

TEST_F(PropertiesCommand, DoubleClickWithoutASelectedTypeShowsTheSameMessage) {
    ModalDriver modal;
    modal.ExpectMessageBox("Select a File Type first!");
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(IDC_LB, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(lb()));
    PumpMessages();
    EXPECT_EQ(modal.MessageBoxes().size(), 1u);
}

TEST_F(PropertiesCommand, DialogOpensFilledFromTheSelectedType) {
    PropertiesAnswer answer;
    answer.button = IDCANCEL;
    const SeenProperties seen = Properties(0, answer);
    EXPECT_EQ(seen.opened.caption, "Properties");
    EXPECT_EQ(seen.opened.description, "Text files");
    EXPECT_EQ(seen.opened.typeName, "txtfile");
    EXPECT_EQ(seen.opened.iconFile, TestDataPath("icons10.dll"));
    EXPECT_EQ(seen.opened.selectedCell, 3);
    EXPECT_EQ(seen.opened.gridCount, 10);
}

TEST_F(PropertiesCommand, DoubleClickOnARowOpensTheDialogForThatType) {
    SelectRow(1);
    ModalDriver modal;
    PropertiesUser user(modal, *dialog);
    PropertiesAnswer answer;
    answer.button = IDCANCEL;
    user.Answer(answer);
    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(IDC_LB, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(lb()));
    PumpMessages();
    ASSERT_TRUE(user.Seen().shown);
    EXPECT_EQ(user.Seen().opened.typeName, "TypeB");
}

TEST_F(PropertiesCommand, NoIconTypeConfirmedAtOnceShowsTheProgramsIconsAndKeepsNone) {
    const SeenProperties seen = Properties(1, {});
    EXPECT_EQ(seen.opened.iconFile, OwnExecutablePath());
    EXPECT_EQ(seen.opened.selectedCell, 0);

    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "TypeB\\DefaultIcon"));
    EXPECT_EQ(EntryAt(1).IconFile, "<no icon>");
    EXPECT_EQ(Caption(lblIconOffset()), "-1");
}

TEST_F(PropertiesCommand, PickedIconBecomesTheTypesIconAndLocation) {
    PropertiesAnswer answer;
    answer.cell = 7;
    Properties(0, answer);
    EXPECT_EQ(Text("txtfile\\DefaultIcon"), TestDataPath("icons10.dll") + ",7");
    EXPECT_EQ(EntryAt(0).IconIndex, 7);
    EXPECT_FALSE(EntryAt(0).Icon.empty());
    EXPECT_EQ(Caption(lblIconOffset()), "7");
    EXPECT_EQ(selectedRow(lb()), 0);
}

TEST_F(PropertiesCommand, NewDescriptionShowsInTheRowAndTheRegistry) {
    PropertiesAnswer answer;
    answer.description = "Plain text";
    Properties(0, answer);
    EXPECT_EQ(rowText(lb(), 0), "Plain text (txtfile)");
    EXPECT_EQ(selectedRow(lb()), 0);
    EXPECT_EQ(EntryAt(0).Description, "Plain text");
    EXPECT_EQ(Text("txtfile"), "Plain text");
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".log", ".txt"}));
}

TEST_F(PropertiesCommand, CancelAfterBrowsingChangesNothing) {
    const RegTree before = Snapshot();
    PropertiesAnswer answer;
    answer.description = "Changed";
    answer.typeName = "changed";
    answer.browseTo = TestDataPath("icons1500.dll");
    answer.cell = 20;
    answer.button = IDCANCEL;
    const SeenProperties seen = Properties(0, answer);
    EXPECT_EQ(seen.beforeClose.gridCount, 256);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(rowText(lb(), 0), "Text files (txtfile)");
    EXPECT_EQ(EntryAt(0).Name, "txtfile");
    EXPECT_EQ(EntryAt(0).Description, "Text files");
    EXPECT_EQ(EntryAt(0).IconFile, TestDataPath("icons10.dll"));
    EXPECT_EQ(EntryAt(0).IconIndex, 3);
}

TEST_F(PropertiesCommand, BrowsedFileAndPickedIconAreWrittenOnOk) {
    PropertiesAnswer answer;
    answer.browseTo = TestDataPath("icons1500.dll");
    answer.cell = 12;
    Properties(1, answer);
    EXPECT_EQ(Text("TypeB\\DefaultIcon"), TestDataPath("icons1500.dll") + ",12");
    EXPECT_EQ(Caption(lblIconName()), TestDataPath("icons1500.dll"));
}

TEST_F(PropertiesCommand, OkWithoutChangeRewritesEveryExtensionKey) {
    // Stored as an expandable string and one key gone since the start: a rewrite keeps the
    // value's type and the missing key comes back.
    rawreg::Put(HKEY_CLASSES_ROOT, ".txt", "", REG_EXPAND_SZ, rawreg::Bytes("txtfile"));
    RegDeleteKeyA(HKEY_CLASSES_ROOT, ".log");
    Properties(0, {});
    EXPECT_TRUE(rawreg::HasValue(HKEY_CLASSES_ROOT, ".txt", "", REG_EXPAND_SZ));
    EXPECT_EQ(Text(".txt"), "txtfile");
    EXPECT_EQ(Text(".log"), "txtfile");
}

TEST_F(PropertiesCommand, OkWithoutChangeRewritesTheDescriptionKeepsTheIconAndMovesNothing) {
    rawreg::Put(HKEY_CLASSES_ROOT, "txtfile", "", REG_EXPAND_SZ, rawreg::Bytes("Text files"));
    // Each file its own icon: the dialog shows the program's icons, and the location stays.
    rawreg::Put(HKEY_CLASSES_ROOT, "txtfile\\DefaultIcon", "", REG_EXPAND_SZ, rawreg::Bytes("%1"));
    Properties(0, {});
    EXPECT_TRUE(rawreg::HasValue(HKEY_CLASSES_ROOT, "txtfile", "", REG_EXPAND_SZ));
    EXPECT_EQ(Text("txtfile"), "Text files");
    EXPECT_TRUE(rawreg::HasValue(HKEY_CLASSES_ROOT, "txtfile\\DefaultIcon", "", REG_EXPAND_SZ,
                                 rawreg::Bytes("%1")));
    EXPECT_EQ(Text("txtfile\\shell\\open\\command"), "notepad \"%1\"");
    EXPECT_TRUE(rawreg::Get(HKEY_CLASSES_ROOT, "txtfile", "EditFlags"));
}

TEST_F(PropertiesCommand, RenameMovesTheWholeKeyAndRepointsEveryExtension) {
    const std::vector<BYTE> multi = {'a', 0, 'b', 0, 0};
    rawreg::Put(HKEY_CLASSES_ROOT, "txtfile\\shell\\open", "Multi", REG_MULTI_SZ, multi);
    rawreg::Put(HKEY_CLASSES_ROOT, "txtfile\\deep\\er\\still", "Bin", REG_BINARY, {1, 2, 3});
    RegTree before = Snapshot();

    PropertiesAnswer answer;
    answer.typeName = "Kestrune.Text";
    Properties(0, answer);

    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "txtfile"));
    // Everything below the old key is now below the new one, value for value.
    RegTree moved;
    for (const auto& [path, values] : before) {
        if (path == "txtfile" || path.rfind("txtfile\\", 0) == 0)
            moved["Kestrune.Text" + path.substr(7)] = values;
    }
    const RegTree after = Snapshot();
    for (const auto& [path, values] : moved) {
        ASSERT_TRUE(after.count(path)) << path;
        EXPECT_EQ(after.at(path), values) << path;
    }
    EXPECT_EQ(Text(".txt"), "Kestrune.Text");
    EXPECT_EQ(Text(".log"), "Kestrune.Text");
    EXPECT_EQ(Text(".vvv"), "TypeB");
    EXPECT_EQ(rowText(lb(), 0), "Text files (Kestrune.Text)");
    EXPECT_EQ(EntryAt(0).Name, "Kestrune.Text");
}

TEST_F(PropertiesCommand, RenamedTypeTakesLaterExtensionsUnderItsNewName) {
    PropertiesAnswer answer;
    answer.typeName = "Renamed";
    Properties(0, answer);
    Catalogue().AddEntry(".new", "Renamed", "", "");
    EXPECT_EQ(Catalogue().FindExt(".new"), 0);
}

TEST_F(PropertiesCommand, LetterCaseOnlyRenameMovesNothingAndWritesIntoTheSameKey) {
    PropertiesAnswer answer;
    answer.typeName = "TXTFILE";
    answer.description = "Upper";
    Properties(0, answer);
    // The key keeps its spelling; the registry finds it under the new one.
    const std::vector<std::string> keys = rawreg::Subkeys(HKEY_CLASSES_ROOT, "");
    EXPECT_NE(std::find(keys.begin(), keys.end(), "txtfile"), keys.end());
    EXPECT_EQ(std::find(keys.begin(), keys.end(), "TXTFILE"), keys.end());
    EXPECT_EQ(Text("txtfile"), "Upper");
    EXPECT_EQ(Text("txtfile\\shell\\open\\command"), "notepad \"%1\"");
    EXPECT_EQ(Text(".txt"), "TXTFILE");
    EXPECT_EQ(Text(".log"), "TXTFILE");
    EXPECT_EQ(rowText(lb(), 0), "Upper (TXTFILE)");
    EXPECT_EQ(EntryAt(0).Name, "TXTFILE");
}

// --- Names refused ---------------------------------------------------------------------------

class PropertiesRefusals : public PropertiesCommand {
protected:
    // The command on row 0 with typeName, refused with text; nothing may change.
    void ExpectRefused(const std::string& typeName, const std::string& text) {
        const RegTree before = Snapshot();
        const std::vector<std::string> rootKeys = rawreg::Subkeys(HKEY_CLASSES_ROOT, "");
        const auto rootDefault = rawreg::Get(HKEY_CLASSES_ROOT, "", "");
        SelectRow(0);
        PropertiesAnswer answer;
        answer.typeName = typeName;
        answer.description = "Should not land";
        answer.cell = 5;
        RunDialogExpectingMessage(IDC_BTNCHANGEICON, answer, text);
        EXPECT_EQ(rawreg::Subkeys(HKEY_CLASSES_ROOT, ""), rootKeys);
        EXPECT_EQ(rawreg::Get(HKEY_CLASSES_ROOT, "", ""), rootDefault);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(rowText(lb(), 0), "Text files (txtfile)");
        EXPECT_EQ(EntryAt(0).Name, "txtfile");
        EXPECT_EQ(EntryAt(0).Description, "Text files");
        EXPECT_EQ(EntryAt(0).IconIndex, 3);
    }
};

TEST_F(PropertiesRefusals, EmptyNameIsRefused) {
    ExpectRefused("", "Enter a File Type name!");
}

TEST_F(PropertiesRefusals, NameWithABackslashIsRefused) {
    ExpectRefused("txtfile\\sub", "A File Type name cannot contain a backslash!");
}

TEST_F(PropertiesRefusals, NameOfBackslashesOnlyIsRefused) {
    ExpectRefused("\\", "A File Type name cannot contain a backslash!");
}

TEST_F(PropertiesRefusals, LeadingBackslashIsRefused) {
    ExpectRefused("\\Other", "A File Type name cannot contain a backslash!");
}

TEST_F(PropertiesRefusals, NameOfAnotherExistingKeyIsRefused) {
    ExpectRefused("TypeB", "A key named \"TypeB\" already exists!");
}

TEST_F(PropertiesRefusals, NameOfAnotherExistingKeyInOtherLetterCaseIsRefused) {
    ExpectRefused("typeb", "A key named \"typeb\" already exists!");
}

TEST_F(PropertiesRefusals, NameOfAnExtensionKeyIsRefused) {
    ExpectRefused(".vvv", "A key named \".vvv\" already exists!");
}

TEST_F(PropertiesRefusals, NameOfAKeyThatNoRowShowsIsRefused) {
    rawreg::PutText(HKEY_CLASSES_ROOT, "Unlisted", "", "");
    ExpectRefused("Unlisted", "A key named \"Unlisted\" already exists!");
}

// --- Types with unusual names as read ----------------------------------------------------

class UnusualTypeNames : public PropertiesCommandTest {};

TEST_F(UnusualTypeNames, IndexBeyondTheIconsIsWrittenBackUnchanged) {
    RegisterType(".far", "FarType", "Far", (TestDataPath("icons10.dll") + ",50").c_str());
    Start();
    SelectRow(0);
    const SeenProperties seen = RunDialog(IDC_BTNCHANGEICON, {});
    EXPECT_EQ(seen.opened.selectedCell, -1);
    EXPECT_EQ(Text("FarType\\DefaultIcon"), TestDataPath("icons10.dll") + ",50");
    EXPECT_EQ(EntryAt(0).IconIndex, 50);
}

TEST_F(UnusualTypeNames, NegativeIndexIsWrittenBackUnchanged) {
    RegisterType(".neg", "NegType", "Neg", (TestDataPath("icons10.dll") + ",-2").c_str());
    Start();
    SelectRow(0);
    const SeenProperties seen = RunDialog(IDC_BTNCHANGEICON, {});
    EXPECT_EQ(seen.opened.selectedCell, -1);
    EXPECT_EQ(Text("NegType\\DefaultIcon"), TestDataPath("icons10.dll") + ",-2");
}

TEST_F(UnusualTypeNames, IconFileWithEnvironmentReferenceIsWrittenBackAsRead) {
    const std::string file = "%SystemRoot%\\system32\\shell32.dll";
    ASSERT_GT(CountIcons(file), 3u);
    RegisterType(".env", "EnvType", "Env", (file + ",3").c_str());
    Start();
    SelectRow(0);
    const SeenProperties seen = RunDialog(IDC_BTNCHANGEICON, {});
    EXPECT_EQ(seen.opened.iconFile, file);
    EXPECT_EQ(seen.opened.selectedCell, 3);
    EXPECT_EQ(Text("EnvType\\DefaultIcon"), file + ",3");
    EXPECT_EQ(EntryAt(0).IconFile, file);
    EXPECT_FALSE(EntryAt(0).Icon.empty());
}

TEST_F(UnusualTypeNames, TypeReadFromANestedKeyKeepsItsNameOnOk) {
    RegisterType(".nest", "Outer\\Inner", "Nested");
    Start();
    ASSERT_EQ(Rows(lb()), std::vector<std::string>{"Nested (Outer\\Inner)"});
    SelectRow(0);
    PropertiesAnswer answer;
    answer.description = "Still nested";
    RunDialog(IDC_BTNCHANGEICON, answer);
    EXPECT_EQ(Text("Outer\\Inner"), "Still nested");
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "Outer\\Inner\\DefaultIcon"));
    EXPECT_EQ(Text(".nest"), "Outer\\Inner");
}

TEST_F(UnusualTypeNames, TypeWhoseKeyIsItsOwnExtensionsIsNotRenamed) {
    // Its own type: its default value is the extension's type and the type's description.
    RegisterType(".advself", ".advself", ".advself");
    Start();
    const RegTree before = Snapshot();
    SelectRow(0);
    PropertiesAnswer answer;
    answer.typeName = "advSelfType";
    RunDialogExpectingMessage(IDC_BTNCHANGEICON, answer,
                              "\".advself\" is an extension's key as well: renaming the File "
                              "Type would take the extension with it!");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(UnusualTypeNames, TypeReadFromANestedKeyMayBeRenamedToATopLevelName) {
    RegisterType(".nest", "Outer\\Inner", "Nested");
    rawreg::PutText(HKEY_CLASSES_ROOT, "Outer", "", "outer stays");
    Start();
    SelectRow(0);
    PropertiesAnswer answer;
    answer.typeName = "TopLevel";
    RunDialog(IDC_BTNCHANGEICON, answer);
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "Outer\\Inner"));
    EXPECT_EQ(Text("Outer"), "outer stays");
    EXPECT_EQ(Text("TopLevel"), "Nested");
    EXPECT_EQ(Text(".nest"), "TopLevel");
}

// A root with a description and an extension naming the empty type: the scan lists a type
// with an empty name, whose "key" is the root itself.
class NamelessType : public PropertiesCommandTest {
protected:
    void SetUp() override {
        rawreg::PutText(HKEY_CLASSES_ROOT, "", "", "Root description");
        rawreg::PutText(HKEY_CLASSES_ROOT, ".empty", "", "");
        RegisterType(".other", "OtherType", "Other");
        Start();
        ASSERT_EQ(Rows(lb()),
                  (std::vector<std::string>{"Root description ()", "Other (OtherType)"}));
    }
};

TEST_F(NamelessType, OkWithTheEmptyNameIsRefusedAndTheRootUntouched) {
    const RegTree before = Snapshot();
    SelectRow(0);
    RunDialogExpectingMessage(IDC_BTNCHANGEICON, {}, "Enter a File Type name!");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(rawreg::Get(HKEY_CLASSES_ROOT, "", "")->data, rawreg::Bytes("Root description"));
}

TEST_F(NamelessType, GivingItANameWritesANewKeyAndCopiesNothingOfTheRoot) {
    SelectRow(0);
    PropertiesAnswer answer;
    answer.typeName = "Named";
    RunDialog(IDC_BTNCHANGEICON, answer);
    EXPECT_TRUE(rawreg::Subkeys(HKEY_CLASSES_ROOT, "Named").empty());
    EXPECT_EQ(Text("Named"), "Root description");
    EXPECT_EQ(Text(".empty"), "Named");
    EXPECT_TRUE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "OtherType"));
    EXPECT_TRUE(rawreg::KeyExists(HKEY_CLASSES_ROOT, ".other"));
    EXPECT_EQ(rawreg::Get(HKEY_CLASSES_ROOT, "", "")->data, rawreg::Bytes("Root description"));
}
