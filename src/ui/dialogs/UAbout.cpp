#include "ui/dialogs/UAbout.h"

TfrmAbout* frmAbout = nullptr;

namespace {

constexpr int kAboutClientWidth = 193;
constexpr int kAboutClientHeight = 268;
constexpr COLORREF kAboutLightColour = RGB(128, 255, 128);

const char* const kVersionText = "Kestrune v1.1";
const char* const kWebAddress = "www.example.com";
const char* const kMailAddress = "kestrune@example.com";

}  // namespace

void TfrmAbout::Create() {
    CreatePaintedForm(
        FormStyle{"TfrmAbout", "About...", WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN,
                  WS_EX_TOOLWINDOW, kAboutClientWidth, kAboutClientHeight, true},
        "Close", 12, 228, 169, 37);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF black = RGB(0, 0, 0);
    FBoldFont = MakeSansSerif(Scaled(kBoldFontHeight), true);
    HFONT bold = FBoldFont.get();
    // The addresses are centred on their boxes, so that any address keeps the window's
    // symmetry; the labels sized to their text draw beyond their boxes rather than cut.
    Label1 = {19, 4, 155, 16, kVersionText, bold, text, false, false, false, true};
    Label15 = {18, 3, 155, 16, kVersionText, bold, kAboutLightColour, true, false, false, true};
    Label4 = {45, 64, 98, 13, "visit our Web Site at:", Font(), text, false, false, false, true};
    Label6 = {28, 81, 135, 16, kWebAddress, bold, black, false, false, true, true};
    Label5 = {27, 80, 135, 16, kWebAddress, bold, kAboutLightColour, true, false, true, true};
    Label7 = {26,     172,  137,   29,   "Feedback is most welcome. Contact us by e-mail at:",
              Font(), text, false, true, true};
    Label11 = {46, 201, 97, 16, kMailAddress, bold, black, false, false, true, true};
    Label10 = {45, 200, 97, 16, kMailAddress, bold, kAboutLightColour, true, false, true, true};
    AddLabelWindow({&Label1, &Label15});
    AddLabelWindow({&Label4});
    AddLabelWindow({&Label6, &Label5});
    AddLabelWindow({&Label7});
    AddLabelWindow({&Label11, &Label10});
}

// The bold copies take the bold font made at the new scale, the others the window's.
void TfrmAbout::DpiChanged() {
    PlaceControls();
    FBoldFont = MakeSansSerif(Scaled(kBoldFontHeight), true);
    for (PaintedLabel* label : {&Label1, &Label15, &Label6, &Label5, &Label11, &Label10})
        label->Font = FBoldFont.get();
    for (PaintedLabel* label : {&Label4, &Label7}) label->Font = Font();
}

// The ordinary close request: shown modally, the window ends its modal show with Cancel.
void TfrmAbout::SpeedButton1Click() {
    SendMessageA(Handle(), WM_CLOSE, 0, 0);
}

void TfrmAbout::Paint(HDC dc) const {
    for (const PaintedLabel* label :
         {&Label1, &Label15, &Label4, &Label6, &Label5, &Label7, &Label11, &Label10})
        label->Paint(dc, Dpi());
}
