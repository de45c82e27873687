#include "history/HistoryFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <windows.h>
#include <shlobj.h>

#include "base/AnsiText.h"
#include "base/Unique.h"
#include "history/HistoryError.h"
#include "history/HistoryNames.h"
#include "base/WideText.h"

namespace {

using UniqueFile = Unique<HANDLE, CloseHandle>;
using UniqueFind = Unique<HANDLE, FindClose>;

// The file calls give INVALID_HANDLE_VALUE for none; the owners hold none as nullptr.
HANDLE orNull(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// Names that stay in the way after this many tries are not a moment's clash.
constexpr int kNameTries = 100;

std::wstring& movedFolder() {
    static std::wstring folder;
    return folder;
}

// The system's text for an error code, without its closing full stop.
std::string systemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(code);
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == '.' || static_cast<unsigned char>(message.back()) <= ' '))
        message.pop_back();
    return message;
}

[[noreturn]] void raise(const std::string& what, const std::wstring& path, DWORD code) {
    throw HistoryError(what + " \"" + AnsiFromWide(path) + "\" (" + systemMessage(code) + ")");
}

// False when a file of that name is in the way.
bool writeFileIfNew(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    UniqueFile file(orNull(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return false;
        raise("cannot write the history file", path, error);
    }
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        const DWORD error = GetLastError();
        file.reset();
        DeleteFileW(path.c_str());
        raise("cannot write the history file", path, error);
    }
    return true;
}

void makeFolder(const std::wstring& folder) {
    // Made with the folders above it; a file in the way of any of them is an error.
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder), error);
    if (!error && std::filesystem::is_directory(std::filesystem::path(folder), error)) return;
    const std::string reason = error ? error.message() : systemMessage(ERROR_ALREADY_EXISTS);
    throw HistoryError("cannot make the history folder \"" + AnsiFromWide(folder) + "\" (" +
                       reason + ")");
}

}  // namespace

std::wstring HistoryFolderPath() {
    if (!movedFolder().empty()) return movedFolder();
    wchar_t local[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local) != S_OK)
        throw HistoryError("cannot find the local application data folder");
    return std::wstring(local) + L"\\Morvane\\Kestrune\\History";
}

void MoveHistoryFolder(std::wstring folder) {
    movedFolder() = std::move(folder);
}

std::wstring WriteNewHistoryFile(const std::wstring& folder,
                                 const std::function<std::wstring()>& name,
                                 const std::vector<std::uint8_t>& bytes) {
    makeFolder(folder);
    std::wstring path;
    for (int i = 0; i < kNameTries; ++i) {
        path = folder + L"\\" + name();
        if (writeFileIfNew(path, bytes)) return path;
    }
    raise("cannot write the history file", path, ERROR_FILE_EXISTS);
}

std::vector<std::uint8_t> ReadHistoryFile(const std::wstring& path) {
    UniqueFile file(orNull(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) raise("cannot read the history file", path, GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        raise("cannot read the history file", path, GetLastError());
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        raise("cannot read the history file", path, GetLastError());
    return bytes;
}

void HistoryFileList::Added(const std::wstring& folder, const std::u16string& name, size_t keep) {
    if (folder != folder_) {
        folder_ = folder;
        std::vector<std::u16string> names;
        WIN32_FIND_DATAW found{};
        UniqueFind find(orNull(FindFirstFileW((folder + L"\\*.reg").c_str(), &found)));
        if (find) {
            do {
                const std::u16string_view listed = AsU16(std::wstring_view(found.cFileName));
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                    IsHistoryFileName(listed))
                    names.emplace_back(listed);
            } while (FindNextFileW(find.get(), &found));
        }
        std::sort(names.begin(), names.end());
        names_.assign(names.begin(), names.end());
    } else if (IsHistoryFileName(name)) {
        names_.insert(std::upper_bound(names_.begin(), names_.end(), name), name);
    }
    while (names_.size() > keep) {
        DeleteFileW((folder_ + L"\\" + std::wstring(AsWide(names_.front()))).c_str());
        names_.pop_front();
    }
}
