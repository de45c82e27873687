// Add File Type and Delete File Type: a new type from the properties dialog as the last,
// selected row and its type key with DefaultIcon; a type without extensions removed from the
// registry with everything below its key, the row above (or the new first row) selected.
// Refusals change nothing, in the registry or in the lists.

#include "ui/PropertiesHarness.h"

using props_test::RegTree;
using props_test::Snapshot;

namespace {

constexpr const char* kAddName = "Kestrune.NewType";

class TypeCommands : public PropertiesCommandTest {
protected:
    // Row 0: "Alpha files (AlphaType)" with .aaa, icon 2 of icons10.dll; row 1: "Bravo
    // (Bravo.Type)" with .bbb, a shell command and a value of its own; row 2: "Charlie
    // (charlie)" with .CcC, its icon named through %SystemRoot%.
    void SetUp() override {
        RegisterType(".aaa", "AlphaType", "Alpha files",
                     (TestDataPath("icons10.dll") + ",2").c_str());
        RegisterType(".bbb", "Bravo.Type", "Bravo", "\"C:\\Program Files\\bravo.exe\",-101");
        rawreg::PutText(HKEY_CLASSES_ROOT, "Bravo.Type\\shell\\open\\command", "",
                        "\"C:\\Program Files\\bravo.exe\" \"%1\"");
        rawreg::PutDword(HKEY_CLASSES_ROOT, "Bravo.Type", "EditFlags", 0x10000);
        RegisterType(".CcC", "charlie", "Charlie", "%SystemRoot%\\system32\\shell32.dll,3");
        Start();
        ASSERT_EQ(Rows(lb()),
                  (std::vector<std::string>{"Alpha files (AlphaType)", "Bravo (Bravo.Type)",
                                            "Charlie (charlie)"}));
    }

    // The extensions of the type in slot leave the catalogue and the registry, as Delete
    // Extension would take them one by one.
    void Strip(int slot) {
        std::vector<std::string> names;
        for (const TExt* p = EntryAt(slot).FirstExt; p; p = p->NextInType) names.push_back(p->Name);
        for (const std::string& name : names) {
            Catalogue().RemoveExt(slot, name);
            ASSERT_EQ(RegDeleteKeyA(HKEY_CLASSES_ROOT, name.c_str()), ERROR_SUCCESS) << name;
        }
    }

    // Delete File Type on row, which must go without a word.
    void Delete(int row) {
        SelectRow(row);
        ModalDriver modal;
        Click(IDC_BTNDELFILETYPE);
        EXPECT_TRUE(modal.MessageBoxes().empty());
    }

    // Delete File Type refused with text: the registry, the rows, the selection and the
    // extension list stay as they were.
    void ExpectDeleteRefused(const std::string& text) {
        const RegTree before = Snapshot();
        const std::vector<std::string> rows = Rows(lb()), exts = Rows(lbExt());
        const int selected = selectedRow(lb()), count = Catalogue().EntryCount;
        ModalDriver modal;
        modal.ExpectMessageBox(text);
        Click(IDC_BTNDELFILETYPE);
        EXPECT_EQ(modal.MessageBoxes().size(), 1u);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(Rows(lb()), rows);
        EXPECT_EQ(Rows(lbExt()), exts);
        EXPECT_EQ(selectedRow(lb()), selected);
        EXPECT_EQ(Catalogue().EntryCount, count);
    }

    // Add File Type answered with answer and refused with text (after the dialog): nothing
    // of the registry, not even the root's own default value or its list of keys, and nothing
    // of the lists changes.
    void ExpectAddRefused(PropertiesAnswer answer, const std::string& text) {
        const RegTree before = Snapshot();
        const std::vector<std::string> rootKeys = rawreg::Subkeys(HKEY_CLASSES_ROOT, "");
        const std::vector<std::string> rows = Rows(lb());
        const int count = Catalogue().EntryCount;
        SelectRow(1);
        RunDialogExpectingMessage(IDC_BTNADDFILETYPE, std::move(answer), text);
        EXPECT_EQ(rawreg::Subkeys(HKEY_CLASSES_ROOT, ""), rootKeys);
        EXPECT_FALSE(rawreg::Get(HKEY_CLASSES_ROOT, "", ""));
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(Rows(lb()), rows);
        EXPECT_EQ(Catalogue().EntryCount, count);
        EXPECT_EQ(selectedRow(lb()), 1);
    }

    // The registry without the key at path and everything below it.
    static RegTree Without(RegTree tree, const std::string& path) {
        std::erase_if(tree, [&](const auto& item) {
            return item.first == path || item.first.rfind(path + "\\", 0) == 0;
        });
        return tree;
    }
};

}  // namespace

// --- Add File Type ---------------------------------------------------------------------------

TEST_F(TypeCommands, AddConfirmedWithoutBrowsingWritesTheTypeKeyWithTheProgramsFirstIcon) {
    // Enough rows that the list must scroll to show the new last one.
    for (int i = 0; i < 40; ++i)
        Catalogue().AppendType("Filler", "filler" + std::to_string(i), "", 0);
    SelectRow(0);
    const RegTree before = Snapshot();

    PropertiesAnswer answer;
    answer.description = "New files";
    answer.typeName = kAddName;
    const SeenProperties seen = RunDialog(IDC_BTNADDFILETYPE, answer);
    EXPECT_EQ(seen.opened.caption, "Properties");
    EXPECT_EQ(seen.opened.description, "");
    EXPECT_EQ(seen.opened.typeName, "");
    EXPECT_EQ(seen.opened.iconFile, OwnExecutablePath());
    EXPECT_EQ(seen.opened.selectedCell, 0);

    // The type key and its DefaultIcon, nothing else: no extension key, no other key touched.
    EXPECT_EQ(Text(kAddName), "New files");
    EXPECT_EQ(Text(std::string(kAddName) + "\\DefaultIcon"), OwnExecutablePath() + ",0");
    EXPECT_EQ(rawreg::Subkeys(HKEY_CLASSES_ROOT, kAddName),
              std::vector<std::string>{"DefaultIcon"});
    EXPECT_EQ(Without(Snapshot(), kAddName), before);

    const int last = 43;
    ASSERT_EQ(rowCount(lb()), last + 1);
    EXPECT_EQ(Catalogue().EntryCount, last + 1);
    EXPECT_EQ(rowText(lb(), last), "New files (Kestrune.NewType)");
    EXPECT_EQ(selectedRow(lb()), last);
    const RECT row = RowRect(lb(), last), client = ClientRectOf(lb());
    EXPECT_GT(SendMessageA(lb(), LB_GETTOPINDEX, 0, 0), 0);
    EXPECT_GE(row.top, client.top);
    EXPECT_LE(row.bottom, client.bottom);

    const TEntry& added = EntryAt(last);
    EXPECT_EQ(added.Name, kAddName);
    EXPECT_EQ(added.Description, "New files");
    EXPECT_EQ(added.IconFile, OwnExecutablePath());
    EXPECT_EQ(added.IconIndex, 0);
    EXPECT_FALSE(added.Icon.empty());
    EXPECT_EQ(added.FirstExt, nullptr);
    EXPECT_EQ(rowCount(lbExt()), 0);
    EXPECT_EQ(Caption(lblIconName()), OwnExecutablePath());
    EXPECT_EQ(Caption(lblIconOffset()), "0");
}

TEST_F(TypeCommands, AddUnderTheNameOfAnExistingKeyIsRefusedInAnyLetterCase) {
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "CLSID");
    const RegTree before = Snapshot();
    for (const char* name : {"ALPHATYPE", "clsid"}) {
        PropertiesAnswer answer;
        answer.typeName = name;
        RunDialogExpectingMessage(IDC_BTNADDFILETYPE, answer,
                                  "A key named \"" + std::string(name) + "\" already exists!");
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(rowCount(lb()), 3);
}

TEST_F(TypeCommands, AddCancelledChangesNothing) {
    SelectRow(2);
    const RegTree before = Snapshot();
    PropertiesAnswer answer;
    answer.description = "Never";
    answer.typeName = kAddName;
    answer.cell = 1;
    answer.button = IDCANCEL;
    RunDialog(IDC_BTNADDFILETYPE, answer);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(rowCount(lb()), 3);
    EXPECT_EQ(Catalogue().EntryCount, 3);
    EXPECT_EQ(selectedRow(lb()), 2);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".CcC"});
    EXPECT_EQ(Caption(lblIconName()), "%SystemRoot%\\system32\\shell32.dll");
}

TEST_F(TypeCommands, AddWithTheTableFullShowsItsMessageAndWritesNothing) {
    // Filled without a repaint of the list per row.
    SendMessageA(lb(), WM_SETREDRAW, FALSE, 0);
    while (Catalogue().EntryCount < kMaxEntries)
        Catalogue().AppendType("Filler", "filler" + std::to_string(Catalogue().EntryCount), "", 0);
    SendMessageA(lb(), WM_SETREDRAW, TRUE, 0);
    ASSERT_EQ(rowCount(lb()), 4096);
    PropertiesAnswer answer;
    answer.description = "One too many";
    answer.typeName = kAddName;
    ExpectAddRefused(answer, "File Type Array Full! Contact the programmer!!!");
    EXPECT_EQ(Catalogue().EntryCount, 4096);
}

TEST_F(TypeCommands, AddWithAnEmptyNameIsRefused) {
    PropertiesAnswer answer;
    answer.description = "Would be the root's";
    ExpectAddRefused(answer, "Enter a File Type name!");
}

TEST_F(TypeCommands, AddWithABackslashInTheNameIsRefused) {
    PropertiesAnswer answer;
    answer.description = "Nested";
    answer.typeName = "CLSID\\{00021401-0000-0000-C000-000000000046}";
    ExpectAddRefused(answer, "A File Type name cannot contain a backslash!");
}

// --- Delete File Type ------------------------------------------------------------------------

TEST_F(TypeCommands, DeleteWithNothingSelectedShowsAMessage) {
    ASSERT_EQ(selectedRow(lb()), -1);
    ExpectDeleteRefused("Select a File Type first!");
}

TEST_F(TypeCommands, DeleteOfATypeWithExtensionsIsRefused) {
    SelectRow(1);
    ExpectDeleteRefused("Delete all file extensions first!");
    EXPECT_TRUE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "Bravo.Type\\shell\\open\\command"));
}

TEST_F(TypeCommands, DeleteOfAMiddleRowRemovesTheKeyTreeAndSelectsTheRowAbove) {
    Strip(1);
    const RegTree before = Snapshot();
    Delete(1);
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "Bravo.Type"));
    EXPECT_EQ(Snapshot(), Without(before, "Bravo.Type"));
    EXPECT_EQ(Rows(lb()),
              (std::vector<std::string>{"Alpha files (AlphaType)", "Charlie (charlie)"}));
    EXPECT_EQ(Catalogue().EntryCount, 2);
    EXPECT_EQ(selectedRow(lb()), 0);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".aaa"});
    EXPECT_EQ(selectedRow(lbExt()), 0);
    EXPECT_EQ(Caption(lblIconName()), TestDataPath("icons10.dll"));
    EXPECT_EQ(Caption(lblIconOffset()), "2");
    // The type below moved up a slot, and its extension with it.
    EXPECT_EQ(Catalogue().FindExt(".ccc"), 1);
    EXPECT_EQ(EntryAt(1).Name, "charlie");
}

TEST_F(TypeCommands, DeleteOfTheFirstRowSelectsTheNewFirstRow) {
    Strip(0);
    Delete(0);
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CLASSES_ROOT, "AlphaType"));
    EXPECT_EQ(Rows(lb()), (std::vector<std::string>{"Bravo (Bravo.Type)", "Charlie (charlie)"}));
    EXPECT_EQ(selectedRow(lb()), 0);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".bbb"});
    EXPECT_EQ(Caption(lblIconName()), "\"C:\\Program Files\\bravo.exe\"");
    EXPECT_EQ(Caption(lblIconOffset()), "-101");
    EXPECT_EQ(Catalogue().FindExt(".bbb"), 0);
}

TEST_F(TypeCommands, DeleteOfTheOnlyRowLeavesNothingSelected) {
    for (int slot = 0; slot < 3; ++slot) Strip(slot);
    Delete(2);
    Delete(1);
    EXPECT_EQ(selectedRow(lb()), 0);
    Delete(0);
    EXPECT_EQ(rowCount(lb()), 0);
    EXPECT_EQ(Catalogue().EntryCount, 0);
    EXPECT_EQ(selectedRow(lb()), -1);
    EXPECT_EQ(rowCount(lbExt()), 0);
    EXPECT_EQ(Caption(lblIconName()), "...");
    EXPECT_EQ(Caption(lblIconOffset()), "...");
    EXPECT_EQ(rawreg::Subkeys(HKEY_CLASSES_ROOT, ""), std::vector<std::string>{});
}

// A type listed with an empty name, whose "key" would be the root itself.
TEST_F(TypeCommands, DeleteOfANamelessTypeIsRefusedAndTheRootKept) {
    form.reset();
    rawreg::PutText(HKEY_CLASSES_ROOT, "", "", "Root description");
    rawreg::PutText(HKEY_CLASSES_ROOT, ".empty", "", "");
    Start();
    const int nameless = Catalogue().FindExt(".empty");
    ASSERT_EQ(rowText(lb(), nameless), "Root description ()");
    Strip(nameless);
    SelectRow(nameless);
    ExpectDeleteRefused("This File Type has no key name of its own and cannot be deleted!");
}
