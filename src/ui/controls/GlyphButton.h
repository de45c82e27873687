#pragma once
// Push buttons that show a small picture beside their caption (OK and Cancel with a tick and
// a cross). The system's buttons show either a picture or a caption, so these are owner-drawn.

#include <windows.h>

#include "ui/window/Gdi.h"

// Draws the owner-drawn button of item with glyph left of the caption, the group centred, its
// spacing at the scale of dpi. Magenta (FF00FF) pixels of the glyph are transparent. A default
// button gets the dark outer frame that marks the button Enter presses. glyph may be null:
// caption only.
void DrawGlyphButton(const DRAWITEMSTRUCT& item, HBITMAP glyph, bool isDefault, UINT dpi = 96);

// The executable's bitmap resource called name, for a glyph at dpi; empty when it is missing.
UniqueBitmap LoadGlyph(const char* name, UINT dpi = 96);

// The tick and the cross of a dialog's OK and Cancel buttons, at the dialog's DPI.
class OkCancelGlyphs {
public:
    // Made anew at dpi: when the dialog is made, and when it moves to a screen of another scale.
    void Load(UINT dpi);
    // Draws item when it is the ok or the cancel button, and says whether it was.
    bool Draw(const DRAWITEMSTRUCT& item, HWND ok, HWND cancel, HWND defaultButton, UINT dpi) const;

private:
    UniqueBitmap ok_;
    UniqueBitmap cancel_;
};
