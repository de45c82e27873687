#include "support/Regedit.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "base/WideText.h"

void RunRegedit(const std::u16string& arguments) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    // Wide, as a key name outside the code page must reach it whole.
    std::wstring command = L"\"" + std::wstring(windows) + L"\\regedit.exe\" ";
    command += AsWide(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
