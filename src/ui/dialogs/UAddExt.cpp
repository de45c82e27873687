#include "ui/dialogs/UAddExt.h"

#include "res/resource.h"
#include "ui/controls/EditBox.h"
#include "ui/window/WindowText.h"

TfrmAddExt* frmAddExt = nullptr;

void TfrmAddExt::Create() {
    FormStyle style{};
    style.className = "TfrmAddExt";
    style.caption = "Add Extension";
    // A tool window's small caption with no border icons: no system menu, no close box.
    style.style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
    style.exStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
    style.clientWidth = 164;
    style.clientHeight = 79;
    style.centred = true;
    CreateForm(style);

    glyphs_.Load(Dpi());

    Label1 = AddControl("STATIC", "Enter Extension:", SS_LEFT, 4, 4, 77, 13);
    Edit1 = CreateEditBox(Handle(), WS_TABSTOP | ES_AUTOHSCROLL, 4, 20, 155, 21, IDC_EDIT1, Font());
    Place(Edit1, 4, 20, 155, 21);
    // A zero limit lifts the edit box's default cap on the length of the text.
    LimitTyping(Edit1, 0);
    BitBtn1 =
        AddControl("BUTTON", "OK", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 4, 48, 75, 25, IDOK);
    BitBtn2 = AddControl("BUTTON", "Cancel", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 84, 48, 75, 25,
                         IDCANCEL);
}

void TfrmAddExt::DpiChanged() {
    PlaceControls();
    glyphs_.Load(Dpi());
}

std::optional<std::string> TfrmAddExt::Ask(const std::string& caption) {
    SetCaption(caption);
    if (ShowModal() != mrOk) return std::nullopt;
    return WindowText(Edit1);
}

void TfrmAddExt::FormShow() {
    // The whole previous entry is selected, so typing replaces it.
    SetFocus(Edit1);
    SendMessageA(Edit1, EM_SETSEL, 0, -1);
}

// Enter presses the focused button, or OK while the focus is elsewhere; that button wears
// the default frame.
HWND TfrmAddExt::DefaultButton() const {
    const HWND focus = GetFocus();
    return focus == BitBtn2 ? BitBtn2 : BitBtn1;
}

LRESULT TfrmAddExt::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            switch (HIWORD(wp)) {
                case BN_CLICKED:
                    if (LOWORD(wp) == IDOK) BitBtn1Click();
                    if (LOWORD(wp) == IDCANCEL) BitBtn2Click();
                    return 0;
                case BN_SETFOCUS:
                case BN_KILLFOCUS:
                    // The default frame follows the focus between the two buttons.
                    InvalidateRect(BitBtn1, nullptr, FALSE);
                    InvalidateRect(BitBtn2, nullptr, FALSE);
                    return 0;
            }
            break;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (glyphs_.Draw(item, BitBtn1, BitBtn2, DefaultButton(), Dpi())) return TRUE;
            break;
        }
    }
    return TForm::WndProc(msg, wp, lp);
}
