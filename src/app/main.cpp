// Kestrune: edits the file types registered in HKEY_CLASSES_ROOT, their extensions,
// descriptions and icons. The application title "Kestrune" captions every message box.
#include <windows.h>

#include "app/Program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    if (!CreateProgramWindows()) return 1;
    return RunMessageLoop(showCommand);
}
