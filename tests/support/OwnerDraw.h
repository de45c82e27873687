#pragma once
// An owner-drawn list's row (or cell) drawn into a surface exactly as the list asks for it:
// WM_DRAWITEM to the list's parent, the item covering the whole surface.

#include <windows.h>

#include "support/Pixels.h"

// state: ODS_SELECTED, ODS_FOCUS or 0. A row of -1 is the empty list's focus rectangle.
void DrawListRow(HWND list, int row, const Pixels& into, UINT state = 0);
