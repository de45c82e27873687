#include "support/ScratchHistory.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "history/HistoryFolder.h"

namespace {

int nextFolderNumber() {
    static int counter = 0;
    return counter++;
}

void deleteFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                deleteFolder(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchHistory::ScratchHistory() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"kestrune-history-" + std::to_wstring(GetCurrentProcessId()) +
              L"-" + std::to_wstring(nextFolderNumber());
    deleteFolder(folder_);
    if (!CreateDirectoryW(folder_.c_str(), nullptr))
        throw std::runtime_error("cannot make a scratch history folder");
    MoveHistoryFolder(folder_);
}

ScratchHistory::~ScratchHistory() {
    MoveHistoryFolder(L"");
    deleteFolder(folder_);
}

std::vector<std::wstring> ScratchHistory::Files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}
