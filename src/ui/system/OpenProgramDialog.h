#pragma once
// The file-open dialog behind "&Browse..." of the Edit Action dialog: a program to run.

#include <windows.h>

#include "ui/system/FileDialog.h"

inline constexpr const char* kOpenProgramTitle = "Browse for Program";
inline constexpr const char* kOpenProgramFilter = "Programs (*.exe)|*.exe|All Files (*.*)|*.*";

class TOpenProgramDialog : public TOpenDialog {
public:
    // Shows the dialog modally over owner, in the folder of the last program chosen; only an
    // existing file can be chosen. True when the user chose one (FileName holds it); false
    // when cancelled.
    bool Execute(HWND owner);
};
