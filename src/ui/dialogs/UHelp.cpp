#include "ui/dialogs/UHelp.h"

TfrmHelp* frmHelp = nullptr;

namespace {

constexpr int kHelpClientWidth = 377;
constexpr int kHelpClientHeight = 235;
constexpr COLORREF kHelpTextColour = RGB(0, 255, 128);

// Lines are broken by CR LF. "automaticaly" is the program's own spelling of that word.
const char* const kHelpText =
    "* WHAT YOU SEE:\r\n"
    "- on the left a list of registered file types.\r\n"
    "- on the middle the registered file extensions for the selected file type.\r\n"
    "- on the right a list of available icon in a library of your choice.\r\n"
    "\r\n"
    "* To SELECT a new icon for a registered file type:\r\n"
    "- Double Click on the file type or select one and click the Properties button.\r\n"
    "- Drag an icon from the opened library and drop it on a file type.\r\n"
    "\r\n"
    "* To move an extension from a file type to another, just drag any extension to\r\n"
    "a file type of your choice.\r\n"
    "\r\n"
    "* You may add/delete extension to a file type using the appropriate buttons.\r\n"
    "* You may add/delete file types using the appropriate buttons.";
const char* const kWarningText =
    "WARNING!!! Changes are automaticaly saved in the Windows Registry, so use this program "
    "with care.";

}  // namespace

void TfrmHelp::Create() {
    CreatePaintedForm(
        FormStyle{"TfrmHelp", "Kestrune Quick Help", WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN,
                  0, kHelpClientWidth, kHelpClientHeight, true},
        "Okay", 284, 192, 89, 37);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    Label1 = {4, 4, 370, 190, kHelpText, Font(), text, false, true};
    Label2 = {3, 3, 370, 190, kHelpText, Font(), kHelpTextColour, true, true};
    Label3 = {4, 196, 264, 32, kWarningText, Font(), text, false, true};
    Label4 = {3, 195, 264, 32, kWarningText, Font(), RGB(255, 255, 255), true, true};
    AddLabelWindow({&Label1, &Label2});
    AddLabelWindow({&Label3, &Label4});
}

// The labels take the window's font made at the new scale.
void TfrmHelp::DpiChanged() {
    PlaceControls();
    for (PaintedLabel* label : {&Label1, &Label2, &Label3, &Label4}) label->Font = Font();
}

void TfrmHelp::SpeedButton1Click() {
    ModalResult = mrOk;
}

void TfrmHelp::Paint(HDC dc) const {
    for (const PaintedLabel* label : {&Label1, &Label2, &Label3, &Label4}) label->Paint(dc, Dpi());
}
