#include "ui/system/OpenProgramDialog.h"

#include <commdlg.h>

bool TOpenProgramDialog::Execute(HWND owner) {
    FileDialogRequest request = Request(owner, kOpenProgramFilter);
    request.title = kOpenProgramTitle;
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!Take(RunFileOpenDialog(request), kOpenProgramTitle)) return false;
    InitialDir = FolderPart(FileName);
    return true;
}
