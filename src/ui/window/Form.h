#pragma once
// A top-level window of the program: created hidden once, shown as the main window or
// modally, with a procedure that only dispatches. An error raised by a handler is caught
// at the procedure by the error boundary and shown in the error box.

#include <windows.h>

#include <string>

#include "ui/window/Gdi.h"

inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;

struct FormStyle {
    const char* className;
    std::string caption;
    DWORD style;
    DWORD exStyle = 0;
    int clientWidth;
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

protected:
    // Creates the window hidden, with the program's font for its controls. Raises an error when
    // the system cannot create it.
    void CreateForm(const FormStyle& style);

    // A child control with the form's font. Its id is its command identifier.
    HWND AddControl(const char* className, const char* text, DWORD style, int x, int y, int w,
                    int h, int id = 0, DWORD exStyle = 0);

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
    void MoveDialogFocus(WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    UniqueFont font_ = MakeSansSerif();
    bool inModal_ = false;
};

// The window that runs the current modal loop, if any; keyboard navigation goes to it.
HWND ActiveModalWindow();
