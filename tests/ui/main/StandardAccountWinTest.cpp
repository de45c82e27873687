// A run that may only read the machine's classes, as a standard account's run: the lists merge
// both parts, a change asks before it is made for the user only, what one user cannot change is
// refused, and undo asks for an administrator where it may not put back.

#include "../HistoryHarness.h"
#include "support/WideRegistry.h"

namespace {

using regscript::Key;

void MakeReadOnly(const std::u16string& path, const Key& key) {
    // DELETE and WRITE_DAC stay, so that the scratch tree can still be taken away.
    widereg::SetAccess(HKEY_LOCAL_MACHINE, path, "D:(A;;KR;;;WD)(A;;0x50000;;;WD)");
    for (const Key& sub : key.subkeys) MakeReadOnly(path + u"\\" + sub.name, sub);
}

std::optional<Key> MachinePart() {
    return ReadKeySnapshot(HKEY_LOCAL_MACHINE, u"Software\\Classes");
}

std::vector<regscript::Value> UserValues(const std::u16string& name) {
    const std::optional<Key> key =
        ReadKeySnapshot(HKEY_CURRENT_USER, u"Software\\Classes\\" + name);
    return key ? key->values : std::vector<regscript::Value>{};
}

// The machine's .txt and txtfile; Both.Type and .bth in both parts, the type described
// differently under a name in other letter case, its icon the machine's alone; User.Type with .usr
// in the user's part only.
class StandardAccount : public HistoryTest {
protected:
    void SetUp() override {
        RegisterType(".txt", "txtfile", "Text Document",
                     "%SystemRoot%\\system32\\imageres.dll,-102");
        RegisterType(".bth", "Both.Type", "Machine's both", "both.dll,3");
        for (const auto& [key, text] : {std::pair{"BOTH.TYPE", "Мой тип"},
                                        {".bth", "Both.Type"},
                                        {".usr", "User.Type"},
                                        {"User.Type", "Только мой 文件"}})
            rawreg::PutText(HKEY_CURRENT_USER, std::string("Software\\Classes\\") + key, "", text);
        machine = *MachinePart();
        MakeReadOnly(u"Software\\Classes", machine);
        StartWithLibrary();
    }
    Key machine;
};

TEST_F(StandardAccount, ListsShowBothPartsAsWindowsMergesThem) {
    const TEntry* both = Catalogue().Entry(RowOfType("Both.Type"));
    ASSERT_NE(both, nullptr);
    EXPECT_EQ(both->Description + " " + both->IconFile, "Мой тип both.dll");
    SelectRow(RowOfType("User.Type"));
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".usr"});
    EXPECT_EQ(Rows(lb()).size(), 3u) << "a key in both parts, in any letter case, is one type";
}

TEST_F(StandardAccount, YesMakesTheChangeForTheUserAloneAndUndoTakesItBack) {
    const Key before = Root();
    Properties(RowOfType("txtfile"), "Plain text", std::nullopt, [](ModalDriver& modal) {
        modal.ExpectMessageBox(
            "\"txtfile\" belongs to all users of this computer, and only an "
            "administrator can change it there. Make this change for you only?",
            IDYES);
    });
    EXPECT_EQ(MachinePart(), machine);
    EXPECT_EQ(UserValues(u"txtfile"), std::vector{TextValue(u"", u"Plain text")});
    EXPECT_TRUE(UserValues(u".txt").empty()) << "a value that holds its text already is not copied";
    EXPECT_EQ(Catalogue().Entry(RowOfType("txtfile"))->Description, "Plain text");
    Undo("Undo File Type Properties \"txtfile\"?");
    EXPECT_EQ(Root(), before);
    Redo("Redo File Type Properties \"txtfile\"?");
    EXPECT_EQ(UserValues(u"txtfile"), std::vector{TextValue(u"", u"Plain text")});
}

TEST_F(StandardAccount, NoAndTheRefusalsChangeNothingAndDeletingYoursAsksFirst) {
    const Key before = Root();
    Properties(RowOfType("txtfile"), "Plain text", std::nullopt,
               [](ModalDriver& modal) { modal.AnswerMessageBox(IDNO); });
    Properties(RowOfType("txtfile"), std::nullopt, "Prose",
               [](ModalDriver& modal) { modal.AnswerMessageBox(IDNO); });
    DeleteExtension(RowOfType("txtfile"), 0, [](ModalDriver& modal) {
        modal.ExpectMessageBox(
            "\".txt\" belongs to all users of this computer, and only an "
            "administrator can delete it: deleted for you only, it would still "
            "show. Restart Kestrune as Administrator to delete it?",
            IDNO);
    });
    EXPECT_EQ(Root(), before);
    EXPECT_TRUE(history.Files().empty());

    DeleteExtension(RowOfType("Both.Type"), 0, [](ModalDriver& modal) {
        modal.ExpectMessageBox(
            "\".bth\" is set both for you and for all users, and only an "
            "administrator can delete it for all users. Delete your own "
            "setting, so that the one for all users shows?",
            IDYES);
    });
    EXPECT_TRUE(UserValues(u".bth").empty());
    EXPECT_EQ(MachinePart(), machine);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".bth"});
}

TEST_F(StandardAccount, UndoOfAChangeForAllUsersAsksForAnAdministrator) {
    for (const char16_t* key : {u"Software\\Classes\\.txt", u"Software\\Classes\\txtfile"})
        widereg::SetAccess(HKEY_LOCAL_MACHINE, key, "D:(A;;KA;;;WD)");
    Properties(RowOfType("txtfile"), "Plain text");  // written for all users, unasked
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, "txtfile", ""), "Plain text");
    const Key after = Root();
    MakeReadOnly(u"Software\\Classes", machine);
    Undo(
        "Undo File Type Properties \"txtfile\" changes the classes of all users of this "
        "computer, which only an administrator can change. Restart Kestrune as Administrator?",
        IDNO);
    EXPECT_EQ(Root(), after);
    EXPECT_TRUE(form->Inspect().canUndo);
}

}  // namespace
