#pragma once
// The DPI a window is shown at. The program declares itself aware of each screen's DPI, so the
// system no longer stretches its windows: they lay themselves out at the DPI of the screen
// they are on (base/DpiScale.h), and again when they are moved to a screen of another scale.

#include <windows.h>

// The DPI of the system, that of the primary screen when the program started.
UINT SystemDpi();

// The DPI of the screen w is on. Windows 7 and 8 cannot tell a window's own DPI: there, and
// for no window at all, the system's.
UINT WindowDpi(HWND w);
