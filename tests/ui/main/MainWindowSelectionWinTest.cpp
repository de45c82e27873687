// Selecting a file type: its extensions in chain order, its icon location in the labels.

#include "ui/MainWindowHarness.h"

namespace {

using Selection = MainWindowTest;

// Two types: slot 0 "Ay files (TypeA)" with .aaa, .ccc (no icon location), slot 1 with .bbb.
class TwoTypes : public Selection {
protected:
    void SetUp() override {
        RegisterType(".aaa", "TypeA", "Ay files");
        RegisterType(".bbb", "TypeB", "Bee files", "C:\\Icons\\set.icl,5");
        RegisterType(".ccc", "TypeA", "Ay files");
        Start();
        ASSERT_EQ(Rows(lb()), (std::vector<std::string>{"Ay files (TypeA)", "Bee files (TypeB)"}));
    }
};

TEST_F(TwoTypes, SelectingATypeListsItsExtensionsInChainOrderWithTheFirstSelected) {
    SelectRow(0);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".aaa", ".ccc"}));
    EXPECT_EQ(selectedRow(lbExt()), 0);
}

TEST_F(TwoTypes, TypeWithoutIconLocationShowsTheMarkerAndMinusOne) {
    SelectRow(0);
    EXPECT_EQ(Caption(lblIconName()), "<no icon>");
    EXPECT_EQ(Caption(lblIconOffset()), "-1");
}

TEST_F(TwoTypes, TypeWithIconLocationShowsItsFileAndIndex) {
    SelectRow(1);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".bbb"});
    EXPECT_EQ(Caption(lblIconName()), "C:\\Icons\\set.icl");
    EXPECT_EQ(Caption(lblIconOffset()), "5");
}

TEST_F(TwoTypes, LabelsAreSizedToTheirNewText) {
    SelectRow(1);
    const RECT name = PlaceOf(lblIconName());
    const RECT offset = PlaceOf(lblIconOffset());
    EXPECT_EQ(name.left, 76);
    EXPECT_EQ(name.right - name.left, TextWidth("C:\\Icons\\set.icl"));
    EXPECT_EQ(offset.right - offset.left, TextWidth("5"));
    EXPECT_EQ(name.bottom - name.top, 13);
}

TEST_F(TwoTypes, SelectingAnotherTypeReplacesTheExtensions) {
    SelectRow(0);
    SelectRow(1);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".bbb"});
}

TEST_F(TwoTypes, ClickOnARowSelectsItAndFillsTheExtensions) {
    const RECT row = RowRect(lb(), 1);
    const LPARAM point = MAKELPARAM(row.left + 60, (row.top + row.bottom) / 2);
    SendMessageA(lb(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(lb(), WM_LBUTTONUP, 0, point);
    PumpMessages();

    EXPECT_EQ(selectedRow(lb()), 1);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".bbb"});
    EXPECT_EQ(Caption(lblIconOffset()), "5");
}

TEST_F(TwoTypes, ArrowKeySelectsTheNextRowAndFillsTheExtensions) {
    SelectRow(0);
    SetFocus(lb());
    SendMessageA(lb(), WM_KEYDOWN, VK_DOWN, 0);
    PumpMessages();

    EXPECT_EQ(selectedRow(lb()), 1);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".bbb"});
}

TEST_F(TwoTypes, RefreshWithNoSelectionEmptiesTheExtensionsAndShowsDots) {
    SelectRow(1);
    SelectRow(-1);

    EXPECT_EQ(rowCount(lbExt()), 0);
    EXPECT_EQ(Caption(lblIconName()), "...");
    EXPECT_EQ(Caption(lblIconOffset()), "...");
}

TEST_F(TwoTypes, TypeWithoutExtensionsLeftShowsNoneButKeepsItsLabels) {
    SelectRow(1);
    Catalogue().RemoveExt(1, ".bbb");

    SelectRow(1);

    EXPECT_EQ(rowCount(lbExt()), 0);
    EXPECT_EQ(selectedRow(lbExt()), -1);
    EXPECT_EQ(Caption(lblIconName()), "C:\\Icons\\set.icl");
    EXPECT_EQ(Caption(lblIconOffset()), "5");
    EXPECT_EQ(rowText(lb(), 1), "Bee files (TypeB)");
}

TEST_F(TwoTypes, DoubleClickWithNoSelectionAsksForAFileType) {
    ModalDriver modal;
    modal.ExpectMessageBox("Select a File Type first!");

    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(IDC_LB, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(lb()));

    ASSERT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(modal.MessageBoxes()[0].caption, "Kestrune");
    EXPECT_EQ(modal.MessageBoxes()[0].icon, nullptr);
    EXPECT_EQ(modal.MessageBoxes()[0].buttons, std::vector<std::string>{"OK"});
}

TEST_F(TwoTypes, PropertiesButtonWithNoSelectionAsksForAFileType) {
    ModalDriver modal;
    modal.ExpectMessageBox("Select a File Type first!");

    SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(IDC_BTNCHANGEICON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(IDC_BTNCHANGEICON)));

    EXPECT_EQ(modal.Pending(), 0u);
}

TEST_F(TwoTypes, ToolButtonPressLeavesTheFocusOnTheList) {
    SelectRow(0);
    SetFocus(lb());
    ModalDriver modal;
    modal.AnswerMessageBox();
    selectRow(lb(), -1);  // so the properties button answers with its message

    SendMessageA(Control(IDC_BTNCHANGEICON), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(Control(IDC_BTNCHANGEICON), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    PumpMessages();

    EXPECT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(GetFocus(), lb());
}

}  // namespace
