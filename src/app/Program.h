#pragma once
// The program block: the application's windows, created hidden in their order, and the
// message loop that runs until the main window has been closed.

// Creates the windows (the main window first, whose FormCreate runs before the others exist).
// False when the main window could not be created.
bool CreateProgramWindows();

// Shows the main window (its FormShow scans the registry) and runs the message loop until
// the main window is closed. Returns the program's exit code.
int RunMessageLoop(int showCommand);
