#include "ui/system/OpenIconDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <string>

bool TOpenIconDialog::Execute(HWND owner) {
    FileDialogRequest request = Request(owner, kOpenIconFilter);
    request.startName = FileName.size() < kPathRoom ? FileName : std::string();
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;

    FileDialogResult result = RunFileOpenDialog(request);
    // An icon file as the registry keeps it ("%SystemRoot%\...", quoted) may be no name the
    // dialog takes; it then opens in the initial folder with an empty name instead.
    if (!result.chosen && result.error == FNERR_INVALIDFILENAME && !request.startName.empty()) {
        request.startName.clear();
        result = RunFileOpenDialog(request);
    }
    return Take(result, "Open");
}
