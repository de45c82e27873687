#include "ui/system/OpenLibDialog.h"

#include <commdlg.h>

bool TOpenLibDialog::Execute(HWND owner) {
    FileDialogRequest request = Request(owner, kOpenLibFilter);
    // The last file's name comes back into the name field, but without its folder: a folder
    // there would take the place of the initial folder, and the dialog starts in InitialDir.
    request.startName = NamePart(FileName);
    request.title = kOpenLibTitle;
    request.defaultExt = kOpenLibDefaultExt;
    // The file need not exist: a name that is not there simply opens an empty library.
    request.flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    return Take(RunFileOpenDialog(request), "Open Library");
}
