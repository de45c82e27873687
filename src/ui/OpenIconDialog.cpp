#include "ui/OpenIconDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include "ui/FileDialog.h"

bool TOpenIconDialog::Execute(HWND owner) {
    FileDialogRequest request;
    request.owner = owner;
    request.filter = kOpenIconFilter;
    request.filterIndex = FilterIndex;
    request.initialDir = InitialDir;
    request.startName = FileName.size() < kPathRoom ? FileName : std::string();
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;

    FileDialogResult result = RunFileOpenDialog(request);
    // An icon file as the registry keeps it ("%SystemRoot%\...", quoted) may be no name the
    // dialog takes; it then opens in the initial folder with an empty name instead.
    if (!result.chosen && result.error == FNERR_INVALIDFILENAME && !request.startName.empty()) {
        request.startName.clear();
        result = RunFileOpenDialog(request);
    }
    if (!result.chosen) {
        RaiseFileDialogError("Open", result.error);
        return false;
    }
    FileName = result.file;
    FilterIndex = result.filterIndex;
    return true;
}
