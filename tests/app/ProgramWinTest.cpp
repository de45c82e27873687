// The program block: its windows, created hidden, and the message loop that ends with the
// main window.

#include <gtest/gtest.h>
#include <windows.h>

#include "app/Program.h"
#include "support/ModalDriver.h"
#include "support/Pump.h"
#include "support/ScratchRegistry.h"
#include "support/WindowInfo.h"
#include "ui/controls/ListBox.h"
#include "ui/dialogs/UAbout.h"
#include "ui/dialogs/UHelp.h"
#include "ui/main/Umain.h"

namespace {

class ProgramBlock : public ::testing::Test {
protected:
    void TearDown() override {
        // The program leaves its windows to the end of the process; a test cleans up itself.
        delete frmHelp;
        delete frmAbout;
        delete frmMain;
        frmHelp = nullptr;
        frmAbout = nullptr;
        frmMain = nullptr;
        PumpMessages();
    }
    ScratchRegistry scratch;
};

TEST_F(ProgramBlock, CreatesTheMainWindowAndTheInformationWindowsHidden) {
    ASSERT_TRUE(CreateProgramWindows());
    ASSERT_NE(frmMain, nullptr);
    ASSERT_NE(frmAbout, nullptr);
    ASSERT_NE(frmHelp, nullptr);
    for (HWND w : {frmMain->Handle(), frmAbout->Handle(), frmHelp->Handle()}) {
        EXPECT_TRUE(IsWindow(w));
        EXPECT_FALSE(IsWindowVisible(w));
    }
}

TEST_F(ProgramBlock, MainWindowRunsItsCreationBeforeItIsShown) {
    rawreg::PutText(HKEY_CURRENT_USER, "Software\\Morvane\\Kestrune\\Settings", "DefaultDir",
                    "C:\\Icons\\");
    ASSERT_TRUE(CreateProgramWindows());
    EXPECT_EQ(frmMain->Inspect().defaultDir, "C:\\Icons\\");
    EXPECT_EQ(rowCount(ControlOf(frmMain->Handle(), IDC_LB)), 0);
}

TEST_F(ProgramBlock, LoopEndsWhenTheMainWindowIsClosedAndTheSettingIsSaved) {
    rawreg::PutText(HKEY_CLASSES_ROOT, ".aaa", "", "TypeA");
    rawreg::PutText(HKEY_CLASSES_ROOT, "TypeA", "", "Ay files");
    ASSERT_TRUE(CreateProgramWindows());
    HWND main = frmMain->Handle();
    PostMessageA(main, WM_CLOSE, 0, 0);

    const int exitCode = RunMessageLoop(SW_SHOW);

    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(
        rawreg::GetText(HKEY_CURRENT_USER, "Software\\Morvane\\Kestrune\\Settings", "DefaultDir"),
        "");
}

TEST_F(ProgramBlock, ShowingTheMainWindowScansTheRegistry) {
    rawreg::PutText(HKEY_CLASSES_ROOT, ".aaa", "", "TypeA");
    rawreg::PutText(HKEY_CLASSES_ROOT, "TypeA", "", "Ay files");
    ASSERT_TRUE(CreateProgramWindows());

    frmMain->Show(SW_SHOW);

    EXPECT_TRUE(IsWindowVisible(frmMain->Handle()));
    EXPECT_EQ(rowText(ControlOf(frmMain->Handle(), IDC_LB), 0), "Ay files (TypeA)");
}

TEST_F(ProgramBlock, QuickHelpButtonShowsTheHelpWindowModallyAndComesBack) {
    ASSERT_TRUE(CreateProgramWindows());
    frmMain->Show(SW_SHOW);
    ModalDriver modal;
    bool mainDisabled = false;
    modal.AnswerNextModal(
        [&](HWND help) {
            mainDisabled = !IsWindowEnabled(frmMain->Handle());
            PostMessageA(help, WM_CLOSE, 0, 0);
        },
        [](HWND w) { return w == frmHelp->Handle(); });

    SendMessageA(frmMain->Handle(), WM_COMMAND, MAKEWPARAM(IDC_BTNHELP, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ControlOf(frmMain->Handle(), IDC_BTNHELP)));

    EXPECT_EQ(modal.Pending(), 0u);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(IsWindowEnabled(frmMain->Handle()));
    EXPECT_FALSE(IsWindowVisible(frmHelp->Handle()));
}

TEST_F(ProgramBlock, AboutButtonShowsTheAboutWindowModallyAndComesBack) {
    ASSERT_TRUE(CreateProgramWindows());
    frmMain->Show(SW_SHOW);
    ModalDriver modal;
    modal.AnswerNextModal([](HWND about) { PostMessageA(about, WM_CLOSE, 0, 0); },
                          [](HWND w) { return w == frmAbout->Handle(); });

    SendMessageA(frmMain->Handle(), WM_COMMAND, MAKEWPARAM(IDC_BTNINFO, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ControlOf(frmMain->Handle(), IDC_BTNINFO)));

    EXPECT_EQ(modal.Pending(), 0u);
    EXPECT_FALSE(IsWindowVisible(frmAbout->Handle()));
}

}  // namespace
