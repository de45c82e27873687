#include "ui/PaintedForm.h"

#include "ui/FlatButton.h"
#include "ui/Gdi.h"

namespace {

constexpr int kSpeedButton1Id = 100;

}  // namespace

void TPaintedForm::CreatePaintedForm(const FormStyle& style, const char* caption, int x, int y,
                                     int width, int height) {
    CreateForm(style);
    SpeedButton1 =
        CreateFlatButton(Handle(), kSpeedButton1Id, caption, x, y, width, height, Font());
}

LRESULT TPaintedForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PaintDC dc(Handle());
            Paint(dc.get());
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wp), &client, GetSysColorBrush(COLOR_BTNFACE));
            Paint(reinterpret_cast<HDC>(wp));
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wp) == kSpeedButton1Id && HIWORD(wp) == BN_CLICKED) {
                SpeedButton1Click();
                return 0;
            }
            break;
        case WM_CLOSE:
            if (!FShowing) {
                ShowWindow(Handle(), SW_HIDE);
                return 0;
            }
            break;
    }
    return TForm::WndProc(msg, wp, lp);
}
