#pragma once
// The About window: the program's name and version, the maker's web address and e-mail
// address, each a light copy over a dark one, and a flat button that closes the window.
// Created hidden once at start-up, shown modally on demand.

#include <windows.h>

#include "ui/PaintedForm.h"
#include "ui/Gdi.h"
#include "ui/PaintedLabel.h"

inline constexpr const char* kAboutCaption = "About...";
inline constexpr int kAboutClientWidth = 193;
inline constexpr int kAboutClientHeight = 268;
inline constexpr COLORREF kAboutLightColour = RGB(128, 255, 128);

enum : int { IDC_ABOUT_SPEEDBUTTON1 = 100 };

class TfrmAbout : public TPaintedForm {
public:
    TfrmAbout() : TPaintedForm(IDC_ABOUT_SPEEDBUTTON1) {}

    // Builds the window hidden from its layout.
    void Create();

    void SpeedButton1Click();

    // Painted in this order: each light copy lies over its dark copy.
    PaintedLabel Label1;   // "Kestrune v1.1", dark
    PaintedLabel Label15;  // the same, light, one pixel up and left
    PaintedLabel Label4;   // "visit our Web Site at:"
    PaintedLabel Label6;   // the web address, dark
    PaintedLabel Label5;   // the same, light
    PaintedLabel Label7;   // the invitation to write
    PaintedLabel Label11;  // the e-mail address, dark
    PaintedLabel Label10;  // the same, light
    HWND SpeedButton1 = nullptr;

protected:
    void Paint(HDC dc) const override;
    void ButtonClick() override { SpeedButton1Click(); }

private:
    UniqueFont FBoldFont = MakeSansSerif(13, true);
};

extern TfrmAbout* frmAbout;
