// The main window after start-up: the scan's rows in their order, nothing selected, the
// labels in their first state, and a scan error shown in the error box.

#include "ui/MainWindowHarness.h"

namespace {

using StartUp = MainWindowTest;

TEST_F(StartUp, RowsComeInTheOrderTheirTypesAreFirstNamed) {
    RegisterType(".aaa", "TypeB", "Bee files");
    RegisterType(".bbb", "TypeA", "Ay files");
    RegisterType(".ccc", "TypeB", "Bee files");
    const std::vector<std::string> enumerated = rawreg::Subkeys(HKEY_CLASSES_ROOT, "");
    const auto at = [&](const char* name) {
        return std::find(enumerated.begin(), enumerated.end(), name) - enumerated.begin();
    };
    ASSERT_LT(at(".aaa"), at(".bbb"));
    ASSERT_LT(at(".bbb"), at(".ccc"));

    TfrmMain& main = Start();

    EXPECT_EQ(Rows(ControlOf(main.Handle(), IDC_LB)),
              (std::vector<std::string>{"Bee files (TypeB)", "Ay files (TypeA)"}));
    EXPECT_EQ(Catalogue().EntryCount, 2);
}

TEST_F(StartUp, KeyNamesHoldEverySubkeyOfTheRoot) {
    RegisterType(".aaa", "TypeA", "Ay files");
    rawreg::MakeKey(HKEY_CLASSES_ROOT, "Unrelated");

    TfrmMain& main = Start();

    std::vector<std::string> names = main.Inspect().keyNames;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".aaa", "TypeA", "Unrelated"}));
}

TEST_F(StartUp, NothingIsSelectedAndTheExtensionListIsEmpty) {
    RegisterType(".aaa", "TypeA", "Ay files");
    RegisterType(".bbb", "TypeB", "Bee files");

    TfrmMain& main = Start();

    EXPECT_EQ(selectedRow(ControlOf(main.Handle(), IDC_LB)), -1);
    EXPECT_EQ(rowCount(ControlOf(main.Handle(), IDC_LBEXT)), 0);
    EXPECT_EQ(rowCount(ControlOf(main.Handle(), IDC_LBLIB)), 0);
}

TEST_F(StartUp, IconLabelsShowDotsSizedToThem) {
    RegisterType(".aaa", "TypeA", "Ay files", "C:\\Icons\\set.icl,5");

    TfrmMain& main = Start();

    for (HWND label :
         {ControlOf(main.Handle(), IDC_LBLICONNAME), ControlOf(main.Handle(), IDC_LBLICONOFFSET)}) {
        EXPECT_EQ(Caption(label), "...");
        const RECT r = PlaceOf(label);
        EXPECT_EQ(r.right - r.left, TextWidth("..."));
    }
}

TEST_F(StartUp, LibraryStartsEmpty) {
    TfrmMain& main = Start();

    EXPECT_TRUE(main.Inspect().libraryEmpty);
    EXPECT_EQ(main.Inspect().libraryIconCount, 0);
    EXPECT_FALSE(main.Inspect().dragFromLibrary);
}

TEST_F(StartUp, KeysLeftOutAreNamedInTheErrorBoxAndTheOtherRowsStay) {
    RegisterType(".aaa", "TypeA", "Ay files");
    rawreg::PutDword(HKEY_CLASSES_ROOT, ".bbb", "", 7);
    RegisterType(".ccc", "TypeC", "See files");
    ModalDriver modal;
    modal.ExpectMessageBox(
        "These keys were left out of the list, as their default value cannot "
        "be read as text: \".bbb\"");

    TfrmMain& main = Start();

    EXPECT_EQ(modal.Pending(), 0u);
    EXPECT_EQ(Rows(ControlOf(main.Handle(), IDC_LB)),
              (std::vector<std::string>{"Ay files (TypeA)", "See files (TypeC)"}));
    EXPECT_TRUE(IsWindowVisible(main.Handle()));
}

TEST_F(StartUp, ErrorBoxHasTheStopIconTheTitleAndOneOkButton) {
    rawreg::PutDword(HKEY_CLASSES_ROOT, ".bbb", "", 7);
    ModalDriver modal;
    modal.AnswerMessageBox();

    Start();

    ASSERT_EQ(modal.MessageBoxes().size(), 1u);
    const SeenMessageBox& box = modal.MessageBoxes()[0];
    EXPECT_EQ(box.caption, "Kestrune");
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(box.icon, LoadIcon(nullptr, IDI_HAND));
}

TEST_F(StartUp, EmptyRegistryGivesAnEmptyList) {
    TfrmMain& main = Start();

    EXPECT_EQ(rowCount(ControlOf(main.Handle(), IDC_LB)), 0);
    EXPECT_EQ(Catalogue().EntryCount, 0);
}

}  // namespace
