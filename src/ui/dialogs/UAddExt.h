#pragma once
// The Add Extension dialog: one edit box for an extension, OK and Cancel. Add Extension and
// Find Extension share it and set its caption before each use; the typed text stays in the
// edit box from one use to the next.

#include <windows.h>

#include <string>

#include "ui/window/Form.h"
#include "ui/window/Gdi.h"

class TfrmAddExt : public TForm {
public:
    // Builds the dialog hidden, centred on the screen.
    void Create();

    // The text of Edit1 exactly as typed.
    std::string EditText() const;

    HWND Label1 = nullptr;
    HWND Edit1 = nullptr;
    HWND BitBtn1 = nullptr;  // OK: the default button
    HWND BitBtn2 = nullptr;  // Cancel: answers Escape

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FormShow() override;
    HWND DefaultButton() const override;

private:
    void BitBtn1Click() { ModalResult = mrOk; }
    void BitBtn2Click() { ModalResult = mrCancel; }

    UniqueBitmap okGlyph_;
    UniqueBitmap cancelGlyph_;
};

extern TfrmAddExt* frmAddExt;
