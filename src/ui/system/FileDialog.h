#pragma once
// The system's file dialogs as the program uses them: two open dialogs and the save dialog
// of Export.

#include <windows.h>

#include <string>

#include "base/FileDialogRules.h"

// Room for a long path; the dialog reports a longer choice as an error.
inline constexpr DWORD kPathRoom = 4096;

// One opening of the dialog. The working folder of the program always stays where it was.
struct FileDialogRequest {
    HWND owner = nullptr;
    const char* filter = "";  // bar-separated, as DialogFilter takes it
    DWORD filterIndex = 1;    // 1-based
    std::string initialDir;   // as kept; the dialog starts in InitialFolderFor of it
    std::string startName;    // the name field's text at the opening
    const char* title = nullptr;
    const char* defaultExt = nullptr;
    DWORD flags = 0;  // beyond OFN_EXPLORER and OFN_NOCHANGEDIR
};

struct FileDialogResult {
    bool chosen = false;
    DWORD error = 0;  // CommDlgExtendedError() when nothing was chosen; 0 for a cancel
    std::string file;
    DWORD filterIndex = 1;
};

FileDialogResult RunFileOpenDialog(const FileDialogRequest& request);
FileDialogResult RunFileSaveDialog(const FileDialogRequest& request);

// Raises the error of a dialog that failed (an error other than 0) in the error box's words.
void RaiseFileDialogError(const char* dialogName, DWORD error);

// What an open dialog of the program keeps from one opening to the next.
class TOpenDialog {
public:
    // The folder the dialog starts in when the name it opens on names no folder of its own.
    std::string InitialDir;
    // The full path of the last confirmed choice.
    std::string FileName;
    // 1-based entry of the filter; the first at start, then the one last confirmed.
    DWORD FilterIndex = 1;

protected:
    // An opening over owner with filter, from InitialDir and FilterIndex.
    FileDialogRequest Request(HWND owner, const char* filter) const;
    // Takes the outcome of an opening: a confirmed choice goes into FileName and FilterIndex
    // (true); a cancel changes nothing (false); a dialog that failed raises its error, named
    // after dialogName.
    bool Take(const FileDialogResult& result, const char* dialogName);
};
