#pragma once
// The folder of history files: %LOCALAPPDATA%\Morvane\Kestrune\History, made when first
// needed, one file per change, the newest 500 kept. Every failure raises HistoryError with
// what failed and the system's reason.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

inline constexpr size_t kKeptHistoryFiles = 500;

// The folder in use: the one MoveHistoryFolder named, else the user's local application data
// folder with Morvane\Kestrune\History below it.
std::wstring HistoryFolderPath();

// Makes the history go to folder for the rest of the run, or back to its own place when folder
// is empty. For tests and benchmarks, which must leave the user's history alone.
void MoveHistoryFolder(std::wstring folder);

// Writes bytes into a new file of folder (made first, with the folders above it, when missing)
// named name(), which is asked for another name while a file of that name is in the way.
// Returns the file's path. A file that cannot be written whole is removed again.
std::wstring WriteNewHistoryFile(const std::wstring& folder,
                                 const std::function<std::wstring()>& name,
                                 const std::vector<std::uint8_t>& bytes);

// The whole content of a file.
std::vector<std::uint8_t> ReadHistoryFile(const std::wstring& path);

// The history files of the folder in use: listed from the folder once, then kept up to date as
// files are added, so that keeping the newest 500 costs no listing of the folder per change.
// Other files of the folder are never counted or deleted; a file that cannot be deleted stays.
class HistoryFileList {
public:
    // The file name has just been written into folder: the oldest beyond the newest keep go.
    void Added(const std::wstring& folder, const std::u16string& name,
               size_t keep = kKeptHistoryFiles);

private:
    std::wstring folder_;
    std::deque<std::u16string> names_;  // in the order of their names, which is their age
};
