#include "ui/system/FileDialog.h"

#include <commdlg.h>

#include <vector>

#include "base/Exception.h"
#include "base/FileDialogRules.h"

namespace {

FileDialogResult runFileDialog(const FileDialogRequest& request,
                               BOOL(WINAPI* run)(OPENFILENAMEA*)) {
    const std::string filter = DialogFilter(request.filter);
    const std::string initial = InitialFolderFor(request.initialDir);
    std::vector<char> file(kPathRoom, '\0');
    request.startName.copy(file.data(), file.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = request.owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = request.filterIndex;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    ofn.lpstrTitle = request.title;
    ofn.lpstrDefExt = request.defaultExt;
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | request.flags;

    FileDialogResult result;
    result.chosen = run(&ofn) != FALSE;
    if (!result.chosen) {
        result.error = CommDlgExtendedError();
        return result;
    }
    result.file = file.data();
    result.filterIndex = ofn.nFilterIndex;
    return result;
}

}  // namespace

FileDialogResult RunFileOpenDialog(const FileDialogRequest& request) {
    return runFileDialog(request, GetOpenFileNameA);
}

FileDialogResult RunFileSaveDialog(const FileDialogRequest& request) {
    return runFileDialog(request, GetSaveFileNameA);
}

FileDialogRequest TOpenDialog::Request(HWND owner, const char* filter) const {
    FileDialogRequest request;
    request.owner = owner;
    request.filter = filter;
    request.filterIndex = FilterIndex;
    request.initialDir = InitialDir;
    return request;
}

bool TOpenDialog::Take(const FileDialogResult& result, const char* dialogName) {
    if (!result.chosen) {
        RaiseFileDialogError(dialogName, result.error);
        return false;
    }
    FileName = result.file;
    FilterIndex = result.filterIndex;
    return true;
}

void RaiseFileDialogError(const char* dialogName, DWORD error) {
    if (error != 0)
        throw Exception(std::string("The ") + dialogName + " dialog failed (error " +
                        std::to_string(error) + ")");
}
