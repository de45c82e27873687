// "Restart as Administrator" run on the built program: the shell starts it again with the verb
// "runas" (which Wine honours by simply starting it), and the old run ends once the new one
// has started.

#include <gtest/gtest.h>
#include <windows.h>

#include "base/Unique.h"
#include "registry/KeySnapshot.h"
#include "support/TestData.h"
#include "ui/main/Umain.h"

namespace {

using UniqueProcess = Unique<HANDLE, CloseHandle>;

// The shown main window of a run of another process than this one and other, waited for.
HWND WaitForMainWindow(DWORD other, DWORD* process) {
    for (int tries = 0; tries < 400; ++tries, Sleep(50))
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "TfrmMain", nullptr));)
            if (GetWindowThreadProcessId(w, process) && *process != other &&
                *process != GetCurrentProcessId() && IsWindowVisible(w))
                return w;
    return nullptr;
}

TEST(Restart, AsAdministratorStartsANewRunAndEndsThisOne) {
    // Both runs keep their setting in the prefix's registry: it is put back as it was.
    const std::optional<regscript::Key> kept =
        ReadKeySnapshot(HKEY_CURRENT_USER, u"Software\\Morvane");
    std::string command = "\"" + TestDataPath("..\\Kestrune.exe") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION first{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &first));
    const UniqueProcess firstProcess(first.hProcess), firstThread(first.hThread);
    DWORD process = 0;
    const HWND old = WaitForMainWindow(0, &process);
    ASSERT_EQ(process, first.dwProcessId);

    PostMessageA(old, WM_COMMAND, IDM_RESTARTADMIN, 0);
    const HWND next = WaitForMainWindow(first.dwProcessId, &process);
    EXPECT_EQ(WaitForSingleObject(first.hProcess, 20000), WAIT_OBJECT_0) << "the old run goes on";
    ASSERT_NE(next, nullptr) << "no new run started";
    const UniqueProcess nextProcess(OpenProcess(SYNCHRONIZE, FALSE, process));
    PostMessageA(next, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(nextProcess.get(), 20000), WAIT_OBJECT_0);
    RestoreKeySnapshot(HKEY_CURRENT_USER, u"Software\\Morvane", kept);
}

}  // namespace
