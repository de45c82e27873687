#pragma once
// The folder of history files: %LOCALAPPDATA%\Morvane\Kestrune\History, made when first
// needed, one file per change, the newest 500 kept. Every failure raises HistoryError with
// what failed and the system's reason.

#include <cstdint>
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

// Deletes the oldest history files of folder beyond the newest keep; other files stay, and a
// file that cannot be deleted is left.
void PruneHistoryFolder(const std::wstring& folder, size_t keep = kKeptHistoryFiles);
