#include "ui/dialogs/PaintedForm.h"

#include "ui/controls/FlatButton.h"
#include "ui/window/Gdi.h"

namespace {

constexpr int kSpeedButton1Id = 100;

}  // namespace

void TPaintedForm::CreatePaintedForm(const FormStyle& style, const char* caption, int x, int y,
                                     int width, int height) {
    CreateForm(style);
    SpeedButton1 = CreateFlatButton(Handle(), kSpeedButton1Id, caption, Scaled(x), Scaled(y),
                                    Scaled(width), Scaled(height), Font());
    Place(SpeedButton1, x, y, width, height);
}

HWND TPaintedForm::AddLabelWindow(std::initializer_list<const PaintedLabel*> copies) {
    RECT box = (*copies.begin())->Bounds();
    for (const PaintedLabel* copy : copies) {
        const RECT bounds = copy->Bounds();
        UnionRect(&box, &box, &bounds);
    }
    return AddControl("STATIC", (*copies.begin())->Caption.c_str(), SS_OWNERDRAW | SS_NOPREFIX,
                      box.left, box.top, box.right - box.left, box.bottom - box.top);
}

// The labels painted as the form paints them, with the window's place as the origin: where
// labels overlap, or a label sized to its text reaches beyond its box, the pixels come out
// the same as on the form.
void TPaintedForm::PaintLabelWindow(const DRAWITEMSTRUCT& item) const {
    SavedDC saved(item.hDC);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    POINT origin{0, 0};
    MapWindowPoints(item.hwndItem, Handle(), &origin, 1);
    OffsetViewportOrgEx(item.hDC, -origin.x, -origin.y, nullptr);
    Paint(item.hDC);
}

LRESULT TPaintedForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (item.CtlType != ODT_STATIC) break;
            PaintLabelWindow(item);
            return TRUE;
        }
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
            if (HIWORD(wp) != BN_CLICKED) break;
            // Enter (IDOK from the dialog manager) presses the button, as in the program's
            // other dialogs; Escape (IDCANCEL) is the close command.
            if (LOWORD(wp) == kSpeedButton1Id || LOWORD(wp) == IDOK) {
                SpeedButton1Click();
                return 0;
            }
            if (LOWORD(wp) == IDCANCEL) {
                SendMessageA(Handle(), WM_CLOSE, 0, 0);
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
