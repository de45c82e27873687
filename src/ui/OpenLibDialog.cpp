#include "ui/OpenLibDialog.h"

#include <commdlg.h>

#include <vector>

#include "app/Exception.h"

namespace {

// Room for a long path; the dialog reports a longer one as an error, shown in the error box.
constexpr DWORD kPathRoom = 4096;

}  // namespace

std::string InitialFolderFor(const std::string& folder) {
    const std::size_t n = folder.size();
    if (n == 0 || folder[n - 1] != '\\') return folder;
    if (n >= 2 && folder[n - 2] == ':') return folder;
    return folder.substr(0, n - 1);
}

std::string FolderPart(const std::string& path) {
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string NamePart(const std::string& path) {
    return path.substr(FolderPart(path).size());
}

std::string DialogFilter(const std::string& barSeparated) {
    std::string filter = barSeparated;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

bool TOpenLibDialog::Execute(HWND owner) {
    const std::string filter = DialogFilter(kOpenLibFilter);
    const std::string initial = InitialFolderFor(InitialDir);
    // The last file's name comes back into the name field, but without its folder: a folder
    // there would take the place of the initial folder, and the dialog starts in InitialDir.
    const std::string name = NamePart(FileName);
    std::vector<char> file(kPathRoom, '\0');
    name.copy(file.data(), file.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = FilterIndex;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
    ofn.lpstrTitle = kOpenLibTitle;
    ofn.lpstrDefExt = kOpenLibDefaultExt;
    // The file need not exist: a name that is not there simply opens an empty library.
    // The working folder of the program stays where it was.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&ofn)) {
        const DWORD error = CommDlgExtendedError();
        if (error != 0)
            throw Exception("The Open Library dialog failed (error " + std::to_string(error) + ")");
        return false;
    }
    FileName = file.data();
    FilterIndex = ofn.nFilterIndex;
    return true;
}
