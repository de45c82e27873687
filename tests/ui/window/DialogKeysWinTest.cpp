// The keyboard in the program's own dialogs, through the system's dialog manager: Tab and
// Shift+Tab move the focus and select the whole text of an edit box they reach, and Enter
// presses the focused button, or OK while the focus is in the edit box.

#include <gtest/gtest.h>
#include <windows.h>

#include "support/Pump.h"
#include "support/WindowInfo.h"
#include "ui/dialogs/UAddExt.h"

namespace {

class DialogKeys : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        SetWindowTextA(ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1), ".txt");
        ShowWindow(dialog.Handle(), SW_SHOW);
        SetForegroundWindow(dialog.Handle());
        SetFocus(ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1));
        SendMessageA(ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1), EM_SETSEL, 0, 0);
        PumpMessages();
    }
    void TearDown() override { ShowWindow(dialog.Handle(), SW_HIDE); }

    // A key pressed in the focused control, handed to the dialog manager as the program's
    // modal loop hands it.
    void Press(WPARAM key) {
        MSG msg{GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
        ASSERT_TRUE(IsDialogMessageA(dialog.Handle(), &msg));
        PumpMessages();
    }
    int DefaultId() const {
        const LRESULT r = SendMessageA(dialog.Handle(), DM_GETDEFID, 0, 0);
        return HIWORD(r) == DC_HASDEFID ? LOWORD(r) : 0;
    }

    TfrmAddExt dialog;
};

TEST_F(DialogKeys, TabMovesToTheButtonsAndEnterFollowsTheFocus) {
    ASSERT_EQ(GetFocus(), ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1));
    EXPECT_EQ(DefaultId(), IDOK);
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), ControlOf(dialog.Handle(), IDOK));
    EXPECT_EQ(DefaultId(), IDOK);
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), ControlOf(dialog.Handle(), IDCANCEL));
    EXPECT_EQ(DefaultId(), IDCANCEL);
}

TEST_F(DialogKeys, TabBackIntoTheEditBoxSelectsAllItsText) {
    Press(VK_TAB);
    ASSERT_EQ(GetFocus(), ControlOf(dialog.Handle(), IDOK));
    Press(VK_TAB);
    Press(VK_TAB);  // round from Cancel to the edit box
    ASSERT_EQ(GetFocus(), ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1));
    const auto [from, to] = SelectionOf(ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 4u);
}

// Some dialog managers ask the window itself to move the focus.
TEST_F(DialogKeys, NextControlRequestMovesTheFocusAndSelectsAnEditBoxsText) {
    SendMessageA(dialog.Handle(), WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(GetFocus(), ControlOf(dialog.Handle(), IDOK));
    SendMessageA(dialog.Handle(), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1)), TRUE);
    ASSERT_EQ(GetFocus(), ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1));
    const auto [from, to] = SelectionOf(ControlOf(dialog.Handle(), TfrmAddExt::IDC_EDIT1));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 4u);
}

}  // namespace
