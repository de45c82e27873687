#pragma once
// A small window that paints its labels itself and has one flat button: Quick Help and
// About. Created hidden once at start-up and shown modally on demand; outside its modal show a
// close request only hides it, so that it lives as long as the program.

#include <windows.h>

#include "ui/Form.h"

class TPaintedForm : public TForm {
protected:
    explicit TPaintedForm(int buttonId) : FButtonId(buttonId) {}

    // Paints the labels, in their order, onto the button face.
    virtual void Paint(HDC dc) const = 0;
    // The flat button was pressed.
    virtual void ButtonClick() = 0;

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FormShow() override { FShowing = true; }
    void FormHide() override { FShowing = false; }

private:
    const int FButtonId;
    bool FShowing = false;  // shown modally right now
};
