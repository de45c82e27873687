#pragma once
// OpenDialog of the properties dialog: the file-open dialog behind "&Browse for Icon".

#include <windows.h>

#include "ui/system/FileDialog.h"

inline constexpr const char* kOpenIconFilter =
    "Files with Icons|*.ico;*.dll;*.res;*.exe;*.icl|Icon Files (*.ico)|*.ico|"
    "DLL Files (*.dll)|*.dll|RES Files (*.res)|*.res|EXE Files (*.exe)|*.exe|"
    "ICL File (*.icl)|*.icl|Any File (*.*)|*.*";

class TOpenIconDialog : public TOpenDialog {
public:
    // Shows the dialog modally over owner, opening on the file that FileName names; only an
    // existing file can be chosen. True when the user chose one (FileName and FilterIndex
    // hold the choice); false when cancelled.
    bool Execute(HWND owner);
};
