#pragma once
// OpenLibDlg, the file-open dialog of the icon library panel, and the folder rules around
// it: where the dialog starts and which folder a chosen library leaves behind.

#include <windows.h>

#include <string>

inline constexpr const char* kOpenLibTitle = "Open Library";
inline constexpr const char* kOpenLibFilter =
    "Icon Libraries (*.icl)|*.icl|Files with Icons (*.dll,*.exe)|*.dll;*.exe|All Files (*.*)|*.*";
inline constexpr const char* kOpenLibDefaultExt = "ICL";

// The folder a dialog starts in, from a folder kept with its trailing backslash: one
// trailing backslash goes, unless it follows a drive colon ("C:\" stays a drive's root).
std::string InitialFolderFor(const std::string& folder);

// The folder part of a path: every character up to and including the last "\" or ":";
// empty when there is neither.
std::string FolderPart(const std::string& path);

// A filter of the form "text|pattern|text|pattern" as the dialog wants it: each bar a NUL,
// and the whole ended by two NULs.
std::string DialogFilter(const std::string& barSeparated);

// The name part of a path: what follows its folder part.
std::string NamePart(const std::string& path);

class TOpenLibDialog {
public:
    // Set before every opening; the dialog starts there (InitialFolderFor).
    std::string InitialDir;
    // The full path last chosen; empty until a choice was confirmed.
    std::string FileName;
    // 1-based entry of the filter; the entry chosen in the last confirmed opening.
    DWORD FilterIndex = 1;

    // Shows the dialog modally over owner. True when the user chose a file: FileName and
    // FilterIndex then hold the choice. False when cancelled, and nothing changes.
    bool Execute(HWND owner);
};
