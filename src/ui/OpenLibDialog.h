#pragma once
// OpenLibDlg, the file-open dialog of the icon library panel.

#include <windows.h>

#include <string>

#include "ui/FileDialog.h"

inline constexpr const char* kOpenLibTitle = "Open Library";
inline constexpr const char* kOpenLibFilter =
    "Icon Libraries (*.icl)|*.icl|Files with Icons (*.dll,*.exe)|*.dll;*.exe|All Files (*.*)|*.*";
inline constexpr const char* kOpenLibDefaultExt = "ICL";

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
