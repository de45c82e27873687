#pragma once
// OpenLibDlg, the file-open dialog of the icon library panel.

#include <windows.h>

#include "ui/system/FileDialog.h"

inline constexpr const char* kOpenLibTitle = "Open Library";
inline constexpr const char* kOpenLibFilter =
    "Icon Libraries (*.icl)|*.icl|Files with Icons (*.dll,*.exe)|*.dll;*.exe|All Files (*.*)|*.*";
inline constexpr const char* kOpenLibDefaultExt = "ICL";

class TOpenLibDialog : public TOpenDialog {
public:
    // Shows the dialog modally over owner, starting in InitialDir (set before every opening).
    // True when the user chose a file: FileName and FilterIndex then hold the choice. False
    // when cancelled, and nothing changes.
    bool Execute(HWND owner);
};
