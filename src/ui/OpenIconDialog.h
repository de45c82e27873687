#pragma once
// OpenDialog of the properties dialog: the file-open dialog behind "&Browse for Icon".

#include <windows.h>

#include <string>

inline constexpr const char* kOpenIconFilter =
    "Files with Icons|*.ico;*.dll;*.res;*.exe;*.icl|Icon Files (*.ico)|*.ico|"
    "DLL Files (*.dll)|*.dll|RES Files (*.res)|*.res|EXE Files (*.exe)|*.exe|"
    "ICL File (*.icl)|*.icl|Any File (*.*)|*.*";

class TOpenIconDialog {
public:
    // The folder the dialog starts in when FileName names no folder of its own.
    std::string InitialDir;
    // Set before the opening to the file the dialog opens on; the full path of the choice
    // after a confirmed one.
    std::string FileName;
    // 1-based entry of the filter; the first at start, then the one last confirmed.
    DWORD FilterIndex = 1;

    // Shows the dialog modally over owner; only an existing file can be chosen. True when the
    // user chose one (FileName and FilterIndex hold the choice); false when cancelled.
    bool Execute(HWND owner);
};
