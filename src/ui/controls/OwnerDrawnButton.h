#pragma once
// The program's own push buttons, the tool buttons and the flat buttons: windows of the
// system's Button class, owner-drawn, so that the system and screen readers know them as push
// buttons named by their window text. They never take the keyboard focus and are no tab stop:
// the press is handled here rather than by the system's button, which would take the focus,
// so a press leaves the focus (and the selection it shows) where it was. The mouse is captured
// while the button is held; the button is drawn pressed while the mouse is over it, and a
// release over it is a click. A click, or BM_CLICK, reaches the parent as WM_COMMAND with
// BN_CLICKED, like any system button's.
//
// Each kind of button keeps only its face. The button draws itself at its own paint, with
// the item the system hands an owner: ODS_SELECTED while pressed (the state BST_PUSHED),
// ODS_DISABLED, and ODS_HOTLIGHT while the mouse is over a button whose face shows it. As the
// system's buttons do, a button tells its state through BM_GETSTATE (BST_PUSHED while pressed,
// BST_HOT while drawn hot) and its picture through BM_GETIMAGE.

#include <windows.h>

#include <memory>

class ButtonFace {
public:
    virtual ~ButtonFace() = default;
    // Draws the whole of item.rcItem.
    virtual void Draw(const DRAWITEMSTRUCT& item) const = 0;
    // True for a face that changes while the mouse is over the button.
    virtual bool ShowsHover() const { return false; }
    // The bitmap the face shows, or nullptr.
    virtual HBITMAP Picture() const { return nullptr; }
    // The button's window is now shown at dpi: a face with a picture remakes it at that scale.
    virtual void SetDpi(UINT) {}
};

// Creates the button with text as its window text. The button owns face from then on and
// frees it with its window; when the window cannot be created, face goes at once and the
// result is nullptr.
HWND CreateOwnerDrawnButton(HWND parent, int id, const char* text, int x, int y, int width,
                            int height, std::unique_ptr<ButtonFace> face);

// Tells the face of a button made here that the button is now shown at dpi, and has the
// button drawn anew. Any other window is left alone.
void SetButtonDpi(HWND button, UINT dpi);
