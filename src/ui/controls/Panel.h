#pragma once
// A panel: a plain child window with a raised one-pixel bevel that holds other controls.
// What its controls tell their parent (commands, drawing, colours) is passed on to the
// window the panel sits on, so that window handles its controls as if they were its own.

#include <windows.h>

// Creates a panel as a child of parent; the caller owns nothing beyond what a child window
// is (it goes with its parent). Tab and arrow keys reach into it.
HWND CreatePanel(HWND parent, int x, int y, int w, int h, int id);
