#pragma once
// The Quick Help window: the help text and a warning, both with a light copy over a dark
// one, and the flat "Okay" button. Created hidden once at start-up, shown modally on demand.

#include <windows.h>

#include "ui/PaintedForm.h"
#include "ui/PaintedLabel.h"

inline constexpr const char* kHelpCaption = "Kestrune Quick Help";
inline constexpr int kHelpClientWidth = 377;
inline constexpr int kHelpClientHeight = 235;
inline constexpr COLORREF kHelpTextColour = RGB(0, 255, 128);

enum : int { IDC_HELP_SPEEDBUTTON1 = 100 };

class TfrmHelp : public TPaintedForm {
public:
    TfrmHelp() : TPaintedForm(IDC_HELP_SPEEDBUTTON1) {}

    // Builds the window hidden from its layout.
    void Create();

    void SpeedButton1Click();

    // Painted in this order: each light copy lies over its dark copy.
    PaintedLabel Label1;  // the help text, window-text colour on the button face
    PaintedLabel Label2;  // the same, light, transparent, one pixel up and left
    PaintedLabel Label3;  // the warning, window-text colour
    PaintedLabel Label4;  // the same, white, transparent, one pixel up and left
    HWND SpeedButton1 = nullptr;

protected:
    void Paint(HDC dc) const override;
    void ButtonClick() override { SpeedButton1Click(); }
};

extern TfrmHelp* frmHelp;
