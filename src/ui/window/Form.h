#pragma once
// A top-level window of the program: created hidden once, shown as the main window or
// modally, with a procedure that only dispatches. An error raised by a handler is caught
// at the procedure by the error boundary and shown in the error box.
//
// Its layout is designed at 96 DPI: every size and place a form names is a designed one, and
// the form shows it at the DPI of its screen (base/DpiScale.h). Moved to a screen of another
// scale, it takes the size the system suggests and lays itself out again.

#include <windows.h>

#include <string>
#include <vector>

#include "base/DpiScale.h"
#include "ui/window/Gdi.h"

inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;

struct FormStyle {
    const char* className;
    std::string caption;
    DWORD style;
    DWORD exStyle = 0;
    int clientWidth;  // designed
    int clientHeight;
    bool centred = false;
    HICON icon = nullptr;  // borrowed; the class keeps it
    HWND owner = nullptr;  // the window it stays above, for a window opened from another
};

class TForm {
public:
    TForm() = default;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;
    virtual ~TForm();

    HWND Handle() const { return hwnd_; }

    // Shows the window modally over the other windows of the program and returns the modal
    // result once a handler set it (or the window was closed: mrCancel).
    int ShowModal();
    int ModalResult = mrNone;

    void SetCaption(const std::string& caption);

    // The DPI the window is laid out at.
    UINT Dpi() const { return dpi_; }

protected:
    // Creates the window hidden at the DPI of its screen, with the program's font at that
    // scale for its controls. Raises an error when the system cannot create it.
    void CreateForm(const FormStyle& style);

    // A child control with the form's font, at its designed place. Its id is its command
    // identifier.
    HWND AddControl(const char* className, const char* text, DWORD style, int x, int y, int w,
                    int h, int id = 0, DWORD exStyle = 0);
    // Takes a control that another helper made (in a panel of the form too) as one of the
    // form's: it is put at its designed place in its parent and gets the form's font, now and
    // whenever the DPI changes.
    void Place(HWND control, int x, int y, int w, int h);
    // Puts every control of the form at its designed place, with the form's font.
    void PlaceControls();
    // A designed length at the window's DPI.
    int Scaled(int designed) const { return ScaleLength(designed, static_cast<int>(dpi_)); }
    // The window was moved to a screen of another DPI and has its new size and font already:
    // the form lays out its controls again and remakes what it draws at the new scale (row
    // heights, icons, pictures, fonts of its own).
    virtual void DpiChanged() { PlaceControls(); }

    // Every message of the window; the default is the system's.
    virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual void FormShow() {}
    virtual void FormHide() {}

    // The button that Enter presses in a dialog of the program's own; nullptr for a window that
    // is no dialog. Such a dialog has no dialog procedure of the system's: its Tab, Shift+Tab
    // and Enter come from the dialog manager as messages, which TForm answers.
    virtual HWND DefaultButton() const { return nullptr; }

    HFONT Font() const { return font_.get(); }
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }

private:
    struct Placed {
        HWND control;
        RECT designed;  // in the parent's client coordinates, at 96 DPI
    };

    void MoveDialogFocus(WPARAM wp, LPARAM lp);
    void ChangeDpi(UINT dpi, const RECT& suggested);
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    UINT dpi_ = kDesignDpi;
    UniqueFont font_ = MakeSansSerif();
    std::vector<Placed> placed_;
    bool inModal_ = false;
};

// The window that runs the current modal loop, if any; keyboard navigation goes to it.
HWND ActiveModalWindow();
