#include "ui/PaintedForm.h"

#include "ui/Gdi.h"

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
            if (LOWORD(wp) == FButtonId && HIWORD(wp) == BN_CLICKED) {
                ButtonClick();
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
