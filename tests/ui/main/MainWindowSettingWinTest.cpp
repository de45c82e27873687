// The setting DefaultDir under HKEY_CURRENT_USER\Software\Morvane\Kestrune\Settings: read when
// the window is created, written when it closes.

#include <aclapi.h>

#include "ui/MainWindowHarness.h"

#include "base/FileDialogRules.h"
#include "support/TestData.h"

namespace {

constexpr const char* kKestruneKey = "Software\\Morvane\\Kestrune";
constexpr const char* kSettingsKey = "Software\\Morvane\\Kestrune\\Settings";

using Setting = MainWindowTest;

TEST_F(Setting, FirstStartReadsEmptyText) {
    TfrmMain& main = Create();
    EXPECT_EQ(main.Inspect().defaultDir, "");
}

TEST_F(Setting, ReadingCreatesTheKeysOnTheWayButNotSettings) {
    Create();
    EXPECT_TRUE(rawreg::KeyExists(HKEY_CURRENT_USER, kKestruneKey));
    EXPECT_FALSE(rawreg::KeyExists(HKEY_CURRENT_USER, kSettingsKey));
}

TEST_F(Setting, StoredFolderIsReadAtCreation) {
    rawreg::PutText(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir", "C:\\Icons\\");
    TfrmMain& main = Create();
    EXPECT_EQ(main.Inspect().defaultDir, "C:\\Icons\\");
}

TEST_F(Setting, FirstCloseWritesAnEmptyTextValue) {
    TfrmMain& main = Start();
    HWND window = main.Handle();

    SendMessageA(window, WM_CLOSE, 0, 0);

    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(
        rawreg::HasValue(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir", REG_SZ, rawreg::Bytes("")));
}

TEST_F(Setting, CloseWritesTheCurrentFolder) {
    rawreg::PutText(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir", "C:\\Icons\\");
    TfrmMain& main = Start();
    main.OpenLibraryFile(TestDataPath("icons10.dll"));

    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);

    EXPECT_EQ(rawreg::GetText(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir"),
              FolderPart(TestDataPath("icons10.dll")));
}

TEST_F(Setting, FolderSurvivesARoundTrip) {
    {
        TfrmMain& first = Start();
        first.OpenLibraryFile(TestDataPath("icons10.dll"));
        SendMessageA(first.Handle(), WM_CLOSE, 0, 0);
    }
    TfrmMain& second = Create();
    EXPECT_EQ(second.Inspect().defaultDir, FolderPart(TestDataPath("icons10.dll")));
}

TEST_F(Setting, ClosingWithAnEmptyFolderOverwritesAStoredOne) {
    TfrmMain& main = Start();
    // Stored by another run while this one, which read no folder, was open.
    rawreg::PutText(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir", "C:\\Icons\\");

    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);

    EXPECT_EQ(rawreg::GetText(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir"), "");
}

TEST_F(Setting, OtherValuesOfTheSettingsKeyStay) {
    rawreg::PutDword(HKEY_CURRENT_USER, kSettingsKey, "Other", 42);
    TfrmMain& main = Start();
    SendMessageA(main.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(rawreg::HasValue(HKEY_CURRENT_USER, kSettingsKey, "Other", REG_DWORD));
}

TEST_F(Setting, NonTextValueShowsTheErrorBoxAndTheWindowIsCreatedAllTheSame) {
    rawreg::PutDword(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir", 1);
    ModalDriver modal;
    modal.ExpectMessageBox("Invalid data type for 'DefaultDir'");

    TfrmMain& main = Create();

    EXPECT_EQ(modal.Pending(), 0u);
    ASSERT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(modal.MessageBoxes()[0].icon, LoadIcon(nullptr, IDI_HAND));
    EXPECT_NE(main.Handle(), nullptr);
    EXPECT_TRUE(IsWindow(ControlOf(main.Handle(), IDC_LB)));
    EXPECT_EQ(main.Inspect().defaultDir, "");
    EXPECT_EQ(Caption(ControlOf(main.Handle(), IDC_LBLICONNAME)), "...");
}

TEST_F(Setting, FailedSaveShowsTheErrorAndKeepsTheWindowOpen) {
    TfrmMain& main = Start();
    HWND window = main.Handle();
    HKEY kestrune = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKestruneKey, 0, KEY_ALL_ACCESS, &kestrune),
              ERROR_SUCCESS);
    HKEY settings = nullptr;
    ASSERT_EQ(RegCreateKeyExA(kestrune, "Settings", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &settings, nullptr),
              ERROR_SUCCESS);
    ACL empty;
    ASSERT_TRUE(InitializeAcl(&empty, sizeof empty, ACL_REVISION));
    ASSERT_EQ(SetSecurityInfo(settings, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &empty, nullptr),
              static_cast<DWORD>(ERROR_SUCCESS));
    HKEY probe = nullptr;
    const LSTATUS locked = RegOpenKeyExA(kestrune, "Settings", 0, KEY_SET_VALUE, &probe);
    if (probe) RegCloseKey(probe);
    ASSERT_NE(locked, ERROR_SUCCESS) << "this system does not enforce key security";
    ModalDriver modal;
    modal.ExpectMessageBox("Failed to create key Settings.");

    SendMessageA(window, WM_CLOSE, 0, 0);

    EXPECT_EQ(modal.Pending(), 0u);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));

    // Once the key can be written again, the next close saves and ends the window.
    SetSecurityInfo(settings, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr,
                    nullptr);
    RegCloseKey(settings);
    RegCloseKey(kestrune);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(rawreg::GetText(HKEY_CURRENT_USER, kSettingsKey, "DefaultDir"), "");
}

}  // namespace
