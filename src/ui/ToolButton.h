#pragma once
// The tool button: a push button with a picture and no caption that never takes the keyboard
// focus, so pressing it leaves the focus (and the selection it shows) where it was. A click
// reaches the parent as WM_COMMAND with BN_CLICKED, like a system button's.

#include <windows.h>

inline constexpr const char* kToolButtonClass = "KestruneToolButton";

// Creates the button with the bitmap resource glyphName as its glyph (the button owns it).
// A missing resource leaves the button without a picture. The pixel in the glyph's lower
// left corner is its transparent colour.
HWND CreateToolButton(HWND parent, int id, int x, int y, int width, int height,
                      const char* glyphName);

// The button's glyph, or nullptr when it has none.
HBITMAP ToolButtonGlyph(HWND button);
// True while the button is drawn pressed.
bool ToolButtonPressed(HWND button);
