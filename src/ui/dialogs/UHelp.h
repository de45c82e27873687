#pragma once
// The Quick Help window: the help text and a warning, both with a light copy over a dark
// one, and the flat "Okay" button. Created hidden once at start-up, shown modally on demand.

#include <windows.h>

#include "ui/dialogs/PaintedForm.h"
#include "ui/window/PaintedLabel.h"

class TfrmHelp : public TPaintedForm {
public:
    // Builds the window hidden from its layout.
    void Create();
    // "Okay" ends the modal show with OK.
    void SpeedButton1Click() override;

    // Painted in this order: each light copy lies over its dark copy.
    PaintedLabel Label1;  // the help text, window-text colour on the button face
    PaintedLabel Label2;  // the same, light, transparent, one pixel up and left
    PaintedLabel Label3;  // the warning, window-text colour
    PaintedLabel Label4;  // the same, white, transparent, one pixel up and left

protected:
    void Paint(HDC dc) const override;
    void DpiChanged() override;
};

extern TfrmHelp* frmHelp;
