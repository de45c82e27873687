// What the shell runs for an action made in the Actions window: ShellExecuteEx with the action
// on a file whose path holds blanks and letters outside ASCII, and a program that writes down
// the arguments it receives. With %1 quoted by the mend the program receives the path whole; as
// typed, unquoted (which OK takes, warnings and all), it receives the path in pieces.

#include "ui/HistoryHarness.h"

#include <shellapi.h>

#include "support/WideRegistry.h"

using namespace actions_test;

namespace {

class ActionRun : public HistoryTest {};

// The lines the program wrote, one an argument it received.
std::string RunAction(const std::wstring& verb, const std::wstring& path) {
    const std::string received = TempFilePath("received", ".txt");
    SetEnvironmentVariableA("KESTRUNE_ARGS_FILE", received.c_str());
    SHELLEXECUTEINFOW run{};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    run.lpVerb = verb.c_str();
    run.lpFile = path.c_str();
    EXPECT_TRUE(ShellExecuteExW(&run)) << GetLastError();
    EXPECT_EQ(WaitForSingleObject(run.hProcess, 20000), WAIT_OBJECT_0);
    CloseHandle(run.hProcess);
    const std::vector<std::uint8_t> bytes = FileBytes(received);
    DeleteFileA(received.c_str());
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

TEST_F(ActionRun, OnlyAQuotedPlaceholderHandsTheProgramThePathWhole) {
    RegisterType(".kstrun", "Kst.Run", "Run files");
    Start();
    const std::string command = "\"" + TestDataPath("args_writer.exe") + "\" %1";
    Actions(RowOfType("Kst.Run"),
            {In("", 0, TfrmActions::IDC_BTNNEW),
             InEditAction({.name = "открыть", .command = command, .mends = {"Quote %1"}}),
             In("", 0, TfrmActions::IDC_BTNNEW),
             InEditAction({.name = "as typed", .command = command}), In("", VK_ESCAPE)});
    const std::string folder = TempFilePath("Папка 文件 ", "");
    const std::string path = folder + "\\my file.kstrun";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteFileBytes(path, {});
    std::string pieces = path;
    std::replace(pieces.begin(), pieces.end(), ' ', '\n');
    EXPECT_EQ(RunAction(L"открыть", widereg::Wide(path)), path + "\n");
    EXPECT_EQ(RunAction(L"as typed", widereg::Wide(path)), pieces + "\n");
    DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
}
