#include "ui/dialogs/UProperties.h"

#include <algorithm>

#include "icons/IconExtract.h"
#include "icons/LibraryIcons.h"
#include "res/resource.h"
#include "ui/controls/EditBox.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/Panel.h"
#include "ui/window/WindowText.h"

TfrmProperties* frmProperties = nullptr;

namespace {

// A label is as wide as its text in the dialog's font, and at least minHeight high.
void fitToText(HWND label, HFONT font, int minHeight) {
    WindowDC dc(label);
    SelectGuard select(dc.get(), font);
    const std::string text = WindowText(label);
    RECT extent{0, 0, 0, 0};
    DrawTextA(dc.get(), text.c_str(), -1, &extent, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
    SetWindowPos(label, nullptr, 0, 0, extent.right, std::max<int>(extent.bottom, minHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

constexpr int kLabelHeight = 13;

}  // namespace

void TfrmProperties::Create() {
    FormStyle style{};
    style.className = "TfrmProperties";
    style.caption = kPropertiesCaption;
    // A sizing frame and a caption, but no system menu and so no buttons in the title bar.
    style.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN;
    style.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    style.clientWidth = kPropertiesClientWidth;
    style.clientHeight = kPropertiesClientHeight;
    style.centred = true;
    CreateForm(style);

    glyphs_.Load(Dpi());

    // Creation order is tab order: the fields, the grid, the buttons. The panels and the grid
    // are put in their places by Layout.
    Panel1 = CreatePanel(Handle(), 0, 0, Scaled(kPropertiesClientWidth), Scaled(kPanel1Height),
                         IDC_PANEL1);
    Place(Panel1, 0, 0, kPropertiesClientWidth, kPanel1Height);
    Label2 =
        addChild(Panel1, "STATIC", "Description", SS_LEFT | SS_NOPREFIX, 4, 8, 53, 13, IDC_LABEL2);
    Edit2 = CreateEditBox(Panel1, WS_TABSTOP | ES_AUTOHSCROLL, 64, 4, 300, 21, IDC_EDIT2, Font());
    Place(Edit2, 64, 4, 300, 21);
    LimitTyping(Edit2, kDescriptionLength);
    Label4 =
        addChild(Panel1, "STATIC", "File Type", SS_LEFT | SS_NOPREFIX, 4, 36, 44, 13, IDC_LABEL4);
    Edit3 = CreateEditBox(Panel1, WS_TABSTOP | ES_AUTOHSCROLL, 64, 32, 300, 21, IDC_EDIT3, Font());
    Place(Edit3, 64, 32, 300, 21);
    LimitTyping(Edit3, kTypeNameLength);
    Label3 = addChild(Panel1, "STATIC", "Icon", SS_LEFT | SS_NOPREFIX, 4, 64, 21, 13, IDC_LABEL3);
    Edit4 = CreateEditBox(Panel1, WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 64, 60, 300, 21,
                          IDC_EDIT4, Font());
    Place(Edit4, 64, 60, 300, 21);
    // Only the dialog and its caller set the icon file, and a path is never cut short.
    LimitTyping(Edit4, 0);

    lb = AddControl("LISTBOX", "",
                    WS_HSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                        LBS_MULTICOLUMN | LBS_NOINTEGRALHEIGHT,
                    0, kPanel1Height, kPropertiesClientWidth,
                    kPropertiesClientHeight - kPanel1Height - kPanel2Height, IDC_LB,
                    WS_EX_CLIENTEDGE);
    SendMessageA(lb, LB_SETITEMHEIGHT, 0, Scaled(kIconCellHeight));

    Panel2 = CreatePanel(Handle(), 0, Scaled(kPropertiesClientHeight - kPanel2Height),
                         Scaled(kPropertiesClientWidth), Scaled(kPanel2Height), IDC_PANEL2);
    Place(Panel2, 0, kPropertiesClientHeight - kPanel2Height, kPropertiesClientWidth,
          kPanel2Height);
    btnOk =
        addChild(Panel2, "BUTTON", "OK", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 6, 4, 75, 25, IDOK);
    btnCancel = addChild(Panel2, "BUTTON", "Cancel", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 88, 4,
                         75, 25, IDCANCEL);
    btnBrowse = addChild(Panel2, "BUTTON", "&Browse for Icon", WS_TABSTOP | BS_PUSHBUTTON, 271, 4,
                         93, 25, IDC_BTNBROWSE);
    // For whom the type is set, between the buttons: the one place the designed layout leaves.
    lblWhere = addChild(Panel2, "STATIC", "", SS_LEFT | SS_NOPREFIX, 167, 4, 102, 26, IDC_LBLWHERE);
    for (HWND label : {Label2, Label4, Label3}) fitToText(label, Font(), Scaled(kLabelHeight));
    Layout();
}

// The cells take their new height before the grid is laid out again; a grid that is shown
// extracts its icons anew at the new size as its cells are drawn.
void TfrmProperties::DpiChanged() {
    SendMessageA(lb, LB_SETITEMHEIGHT, 0, Scaled(kIconCellHeight));
    PlaceControls();
    for (HWND label : {Label2, Label4, Label3}) fitToText(label, Font(), Scaled(kLabelHeight));
    Layout();
    glyphs_.Load(Dpi());
    if (FIcons.IconCount() > 0)
        FIcons.Assign(FIcons.IconCount(), IconRunsOf(iconPath_, Scaled(kIconSize)));
}

HWND TfrmProperties::addChild(HWND parent, const char* className, const char* text, DWORD style,
                              int x, int y, int w, int h, int id, DWORD exStyle) {
    HWND c = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, Scaled(x),
                             Scaled(y), Scaled(w), Scaled(h), parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleA(nullptr), nullptr);
    Place(c, x, y, w, h);
    return c;
}

void TfrmProperties::Layout() {
    if (!Panel1 || !Panel2 || !lb) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int width = client.right, height = client.bottom;
    const int panel1Height = Scaled(kPanel1Height), panel2Height = Scaled(kPanel2Height);
    const int gridTop = panel1Height;
    const int gridHeight = std::max(0, height - panel1Height - panel2Height);
    MoveWindow(Panel1, 0, 0, width, panel1Height, TRUE);
    MoveWindow(Panel2, 0, std::max(gridTop, height - panel2Height), width, panel2Height, TRUE);
    MoveWindow(lb, 0, gridTop, width, gridHeight, TRUE);
    // The ten columns follow the grid's width, whatever the frame was dragged to.
    RECT grid;
    GetWindowRect(lb, &grid);
    SendMessageA(lb, LB_SETCOLUMNWIDTH, IconGridColumnWidth(grid.right - grid.left), 0);
    InvalidateRect(lb, nullptr, TRUE);
}

std::optional<TypeFields> TfrmProperties::Edit(const TypeFields& fields) {
    SetWindowTextA(Edit2, fields.description.c_str());
    SetWindowTextA(Edit3, fields.name.c_str());
    SetWindowTextA(Edit4, fields.iconFile.c_str());
    SetWindowTextA(lblWhere, fields.where.c_str());
    SelectedIconIndex = fields.iconIndex;
    FIconChosen = false;
    if (ShowModal() != mrOk) return std::nullopt;
    return TypeFields{WindowText(Edit2), WindowText(Edit3), IconFile(),
                      SelectedIconIndex, FIconChosen,       fields.where};
}

std::string TfrmProperties::IconFile() const {
    return WindowText(Edit4);
}

void TfrmProperties::FormShow() {
    LoadIcons();
    RedrawWindow(lb, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SetFocus(Edit2);
    SendMessageA(Edit2, EM_SETSEL, 0, -1);
}

void TfrmProperties::FormHide() {
    ClearIcons();
}

// Enter presses the focused button, or OK while the focus is elsewhere; OK and Cancel wear
// the default frame when they are that button.
HWND TfrmProperties::DefaultButton() const {
    const HWND focus = GetFocus();
    return (focus == btnCancel || focus == btnBrowse) ? focus : btnOk;
}

void TfrmProperties::Command(int id, int code, HWND control) {
    switch (id) {
        case IDOK:
            if (code == BN_CLICKED) btnOkClick();
            break;
        case IDCANCEL:
            if (code == BN_CLICKED) btnCancelClick();
            break;
        case IDC_BTNBROWSE:
            if (code == BN_CLICKED) btnBrowseClick();
            break;
        case IDC_LB:
            if (code == LBN_SELCHANGE) lbClick();
            if (code == LBN_DBLCLK) lbDblClick();
            break;
    }
    if (control && (code == BN_SETFOCUS || code == BN_KILLFOCUS)) {
        // The default frame follows the focus between the buttons.
        InvalidateRect(btnOk, nullptr, FALSE);
        InvalidateRect(btnCancel, nullptr, FALSE);
    }
}

LRESULT TfrmProperties::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            Command(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (item->CtlID != IDC_LB) break;
            item->itemHeight = static_cast<UINT>(Scaled(kIconCellHeight));
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (item.hwndItem == lb) {
                paintOwnerDrawnRow(item, Font(), [this](HDC dc, int row, const RECT& r, UINT s) {
                    lbDrawItem(dc, row, r, s);
                });
                return TRUE;
            }
            if (glyphs_.Draw(item, btnOk, btnCancel, DefaultButton(), Dpi())) return TRUE;
            break;
        }
        case WM_CTLCOLORSTATIC:
            // The read-only icon field keeps the look of the other fields.
            if (reinterpret_cast<HWND>(lp) == Edit4) {
                HDC dc = reinterpret_cast<HDC>(wp);
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_SIZE:
            Layout();
            return 0;
    }
    return TForm::WndProc(msg, wp, lp);
}
