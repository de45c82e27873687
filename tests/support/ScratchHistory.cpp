#include "support/ScratchHistory.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "history/HistoryFolder.h"

namespace {

int nextFolderNumber() {
    static int counter = 0;
    return counter++;
}

}  // namespace

ScratchHistory::ScratchHistory() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"kestrune-history-" + std::to_wstring(GetCurrentProcessId()) +
              L"-" + std::to_wstring(nextFolderNumber());
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    if (!CreateDirectoryW(folder_.c_str(), nullptr))
        throw std::runtime_error("cannot make a scratch history folder");
    MoveHistoryFolder(folder_);
}

ScratchHistory::~ScratchHistory() {
    MoveHistoryFolder(L"");
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::vector<std::wstring> ScratchHistory::Files() const {
    std::vector<std::wstring> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ignored))
        if (!entry.is_directory()) names.push_back(entry.path().filename().wstring());
    std::sort(names.begin(), names.end());
    return names;
}
