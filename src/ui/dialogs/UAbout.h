#pragma once
// The About window: the program's name and version, the maker's web address and e-mail
// address, each a light copy over a dark one, and a flat button that closes the window.
// Created hidden once at start-up, shown modally on demand.

#include <windows.h>

#include "ui/window/Gdi.h"
#include "ui/dialogs/PaintedForm.h"
#include "ui/window/PaintedLabel.h"

class TfrmAbout : public TPaintedForm {
public:
    // Builds the window hidden from its layout.
    void Create();
    // The button's click is the ordinary close request.
    void SpeedButton1Click() override;

    // Painted in this order: each light copy lies over its dark copy.
    PaintedLabel Label1;   // "Kestrune v1.1", dark
    PaintedLabel Label15;  // the same, light, one pixel up and left
    PaintedLabel Label4;   // "visit our Web Site at:"
    PaintedLabel Label6;   // the web address, dark
    PaintedLabel Label5;   // the same, light
    PaintedLabel Label7;   // the invitation to write
    PaintedLabel Label11;  // the e-mail address, dark
    PaintedLabel Label10;  // the same, light

protected:
    void Paint(HDC dc) const override;
    void DpiChanged() override;

private:
    UniqueFont FBoldFont = MakeSansSerif(kBoldFontHeight, true);
};

extern TfrmAbout* frmAbout;
