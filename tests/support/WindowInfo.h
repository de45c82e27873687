#pragma once
// What a window shows and where it sits, read through the system's own calls.

#include <windows.h>

#include <ostream>
#include <string>
#include <utility>

// The control with that id among window's children and their children, as a screen reader
// finds it; nullptr when there is none.
HWND ControlOf(HWND window, int id);
// The first top-level window of this thread whose class is className; nullptr for none.
HWND ThreadWindowOfClass(const char* className);

// The window's text (a caption, a label, an edit box's contents), whatever its length.
std::string TextOf(HWND w);
// The name of the window's class.
std::string ClassOf(HWND w);
// The window's rectangle in the client coordinates of in, and of its own parent.
RECT PlaceIn(HWND w, HWND in);
RECT PlaceInParent(HWND w);
// The window's client rectangle, and a list's row (or cell) in the list's client coordinates.
RECT ClientRectOf(HWND w);
RECT RowRect(HWND list, int row);
// The start and the end of an edit box's selection.
std::pair<DWORD, DWORD> SelectionOf(HWND edit);
// The size of text drawn on one line in the window's font, as a label measures it.
SIZE TextSize(HWND w, const std::string& text);

// A rectangle given by its top-left corner and its size, and rectangles compared and printed
// in test assertions.
RECT RectAt(int left, int top, int width, int height);
bool operator==(const RECT& a, const RECT& b);
void PrintTo(const RECT& r, std::ostream* out);
