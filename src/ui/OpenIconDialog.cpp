#include "ui/OpenIconDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/Exception.h"
#include "ui/OpenLibDialog.h"

namespace {

// Room for a long path; the dialog reports a longer choice as an error.
constexpr DWORD kPathRoom = 4096;

bool run(OPENFILENAMEA& ofn, std::vector<char>& file, const std::string& startName) {
    std::fill(file.begin(), file.end(), '\0');
    startName.copy(file.data(), file.size() - 1);
    return GetOpenFileNameA(&ofn) != FALSE;
}

}  // namespace

bool TOpenIconDialog::Execute(HWND owner) {
    const std::string filter = DialogFilter(kOpenIconFilter);
    const std::string initial = InitialFolderFor(InitialDir);
    std::vector<char> file(kPathRoom, '\0');

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = FilterIndex;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    // The working folder of the program stays where it was.
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;

    const std::string start = FileName.size() < kPathRoom ? FileName : std::string();
    bool chosen = run(ofn, file, start);
    // An icon file as the registry keeps it ("%SystemRoot%\...", quoted) may be no name the
    // dialog takes; it then opens in the initial folder with an empty name instead.
    if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME && !start.empty())
        chosen = run(ofn, file, std::string());
    if (!chosen) {
        const DWORD error = CommDlgExtendedError();
        if (error != 0)
            throw Exception("The Open dialog failed (error " + std::to_string(error) + ")");
        return false;
    }
    FileName = file.data();
    FilterIndex = ofn.nFilterIndex;
    return true;
}
