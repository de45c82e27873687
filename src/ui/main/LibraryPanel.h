#pragma once
// The opening of an icon library into the main window's grid, once a file has been chosen:
// the old library goes, the new file's icons fill the slots and the cells (1024 at most),
// cell 0 is selected and the file's folder becomes the default folder. A file without icons
// leaves the grid empty and the default folder as it was.

#include <string>

class TfrmMain;

void OpenLibraryFile(TfrmMain& form, const std::string& path);
