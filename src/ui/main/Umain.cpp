#include "ui/main/Umain.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

#include <string>

#include "base/AnsiText.h"
#include "base/Exception.h"
#include "catalogue/Scan.h"
#include "registry/TRegistry.h"
#include "res/resource.h"
#include "icons/LibraryIcons.h"
#include "ui/window/ErrorBoundary.h"
#include "ui/controls/ListBox.h"
#include "ui/window/Picture.h"
#include "ui/controls/ToolButton.h"
#include "ui/dialogs/UAbout.h"
#include "ui/dialogs/UHelp.h"
#include "ui/window/WindowText.h"

TfrmMain* frmMain = nullptr;

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kLabelStyle = SS_LEFTNOWORDWRAP | SS_NOPREFIX;
constexpr int kToolSize = 40;
constexpr int kLabelHeight = 13;
constexpr int kIconInset = 2;  // a row's icon from the row's top-left corner
constexpr int kTextLeft = 40;  // a row's text from the row's left edge

// HKEY_CURRENT_USER\Software\Morvane\Kestrune\Settings, value DefaultDir. The selections
// create the keys on the way; their results do not matter, as a failed one leaves the
// current key where it was and the value is then read or written there.
constexpr const char* kSettingsKey = "Settings";
constexpr const char* kDefaultDirValue = "DefaultDir";

}  // namespace

TfrmMain::~TfrmMain() {
    UnbindCatalogueList(lb);
}

void TfrmMain::Create() {
    FormStyle style{};
    style.className = "TfrmMain";
    style.caption = kMainCaption;
    style.style = kMainStyle;
    style.clientWidth = kMainClientWidth;
    style.clientHeight = kMainClientHeight;
    style.icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    CreateForm(style);
    SetRowIconSize(Scaled(kIconSize));
    CreateControls();
    AttachDragAndDrop();
    FDragTracker.SetCursorSize(Scaled(kIconSize));
    BindCatalogueList(lb);
    RunGuarded(Handle(), [this] { FormCreate(); });
}

void TfrmMain::CreateControls() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    // The tool buttons' hints are comctl32 tooltips.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    Label2 = AddControl("STATIC", "Registered File Types:", kLabelStyle, 4, 4, 105, 13, IDC_LABEL2);
    // Owner-drawn rows of 36 pixels and integral height: 436 outer pixels leave exactly
    // 12 whole rows inside the 2-pixel sunken border.
    lb = AddControl("LISTBOX", "",
                    WS_VSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, 4,
                    20, 305, 436, IDC_LB, WS_EX_CLIENTEDGE);
    Label1 = AddControl("STATIC", "Extensions:", kLabelStyle, 316, 4, 54, 13, IDC_LABEL1);
    lbExt = AddControl("LISTBOX", "", WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                       316, 19, 120, 238, IDC_LBEXT, WS_EX_CLIENTEDGE);
    Label5 = AddControl("STATIC", "Icon Library:", kLabelStyle, 444, 4, 58, 13, IDC_LABEL5);
    lbLib = AddControl("LISTBOX", "",
                       WS_HSCROLL | WS_TABSTOP | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                           LBS_MULTICOLUMN | LBS_NOINTEGRALHEIGHT,
                       442, 18, kLibWidth, 439, IDC_LBLIB, WS_EX_CLIENTEDGE);
    SendMessageA(lbLib, LB_SETCOLUMNWIDTH, Scaled(kLibColumnWidth), 0);

    Hints = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                            nullptr, instance, nullptr);

    AddToolButton(btnAddExt, IDC_BTNADDEXT, 316, 264, BMP_ADDEXT, "Add Extension");
    AddToolButton(btnDelExt, IDC_BTNDELEXT, 356, 264, BMP_DELEXT, "Delete Extension");
    AddToolButton(btnFindExt, IDC_BTNFINDEXT, 396, 264, BMP_FINDEXT, "Find Extension");
    AddToolButton(btnAddFileType, IDC_BTNADDFILETYPE, 316, 312, BMP_ADDTYPE, "Add File Type");
    AddToolButton(btnDelFileType, IDC_BTNDELFILETYPE, 356, 312, BMP_DELTYPE, "Delete File Type");
    AddToolButton(btnChangeIcon, IDC_BTNCHANGEICON, 396, 312, BMP_PROPERTIES,
                  "File Type Properties");
    AddToolButton(btnHelp, IDC_BTNHELP, 316, 360, BMP_HELP, "Quick Help");
    AddToolButton(btnInfo, IDC_BTNINFO, 356, 360, BMP_INFO, "About");
    AddToolButton(btnOpenLibrary, IDC_BTNOPENLIBRARY, 396, 360, BMP_OPENLIB, "Open Library");

    Image1 = AddControl("STATIC", "", SS_BITMAP, 316, 408, 120, 48, IDC_IMAGE1);
    ShowImage1();

    Label3 = AddControl("STATIC", "Icon Filename:", kLabelStyle, 4, 460, 69, 13, IDC_LABEL3);
    lblIconName = AddControl("STATIC", "", kLabelStyle, 76, 460, 9, 13, IDC_LBLICONNAME);
    Label4 = AddControl("STATIC", "Icon Offset:", kLabelStyle, 4, 476, 55, 13, IDC_LABEL4);
    lblIconOffset = AddControl("STATIC", "", kLabelStyle, 76, 476, 9, 13, IDC_LBLICONOFFSET);
    // Labels take the width of their text, whatever the font measures on this system.
    for (HWND label : {Label2, Label1, Label5, Label3, Label4})
        SetLabelCaption(label, WindowText(label));
    SetLabelCaption(lblIconName, kNoSelectionText);
    SetLabelCaption(lblIconOffset, kNoSelectionText);
}

void TfrmMain::ShowImage1() {
    UniqueBitmap picture = LoadPictureOn(BMP_IMAGE1, GetSysColor(COLOR_BTNFACE), Dpi());
    if (!picture) return;
    // A picture control takes the size of its image. The old picture goes once the control
    // shows the new one.
    SendMessageA(Image1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
    image1Bitmap_ = std::move(picture);
}

void TfrmMain::AddToolButton(HWND& button, int id, int x, int y, const char* glyph,
                             const char* hint) {
    button = CreateToolButton(Handle(), id, Scaled(x), Scaled(y), Scaled(kToolSize),
                              Scaled(kToolSize), glyph, hint, Dpi());
    Place(button, x, y, kToolSize, kToolSize);
    if (!button || !Hints) return;
    TTTOOLINFOA tool{};
    // The size of the first tool record every tooltip version accepts.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<char*>(hint);
    SendMessageA(Hints, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TfrmMain::Show(int showCommand) {
    RunGuarded(Handle(), [this] { FormShow(); });
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
}

void TfrmMain::FormCreate() {
    FKeyNames.clear();
    Catalogue().Clear();
    FLibEmpty = true;
    FLibIconCount = 0;
    LoadSettings();
}

void TfrmMain::FormShow() {
    // Thousands of rows go in at once; the list is painted once, when the window shows.
    const RedrawPaused paused(lb);
    const std::vector<std::string> leftOut = ScanRegistry(Catalogue(), FKeyNames);
    if (!leftOut.empty()) throw Exception(LeftOutMessage(leftOut));
}

TfrmMain::Inspection TfrmMain::Inspect() const {
    Inspection state;
    state.defaultDir = FDefaultDir;
    state.keyNames = FKeyNames;
    state.libraryEmpty = FLibEmpty;
    state.libraryIconCount = FLibIconCount;
    state.libraryFile = OpenLibDlg.FileName;
    state.libraryFilterIndex = OpenLibDlg.FilterIndex;
    state.dragFromLibrary = FDragFromLib;
    state.dragVisible = FDragTracker.Visible();
    state.canUndo = FHistory.CanUndo();
    return state;
}

void TfrmMain::FormClose() {
    SaveSettings();
}

void TfrmMain::SetLabelCaption(HWND label, const std::string& text) {
    SetWindowTextA(label, text.c_str());
    WindowDC dc(label);
    SelectGuard font(dc.get(), Font());
    // Measured as the label draws it, in UTF-16: a path may hold any script.
    const std::wstring wide = WideFromAnsi(text);
    RECT extent{0, 0, 0, 0};
    DrawTextW(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent,
              DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_LEFT);
    SetWindowPos(label, nullptr, 0, 0, extent.right - extent.left,
                 std::max<int>(extent.bottom - extent.top, Scaled(kLabelHeight)),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label, nullptr, TRUE);
}

bool TfrmMain::DrawItem(const DRAWITEMSTRUCT& item) {
    switch (item.CtlID) {
        case IDC_LB:
            paintOwnerDrawnRow(item, Font(), [this](HDC dc, int row, const RECT& r, UINT state) {
                lbDrawItem(dc, row, r, state);
            });
            return true;
        case IDC_LBLIB:
            paintOwnerDrawnRow(item, Font(), [this](HDC dc, int row, const RECT& r, UINT state) {
                lbLibDrawItem(dc, row, r, state);
            });
            return true;
    }
    return false;
}

LRESULT TfrmMain::LabelColours(HDC dc, HWND label) {
    if (label == lblIconName || label == lblIconOffset)
        SetTextColor(dc, kIconLabelColour);
    else
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT TfrmMain::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            // A menu item or a key (no control sends it) runs as its button's press would.
            Command(LOWORD(wp), lp == 0 ? BN_CLICKED : HIWORD(wp));
            return 0;
        case WM_MEASUREITEM: {
            auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            if (item->CtlID != IDC_LB && item->CtlID != IDC_LBLIB) break;
            item->itemHeight = static_cast<UINT>(Scaled(kRowHeight));
            return TRUE;
        }
        case WM_DRAWITEM:
            if (DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
            break;
        case WM_CONTEXTMENU:
            ListContextMenu(reinterpret_cast<HWND>(wp), lp);
            return 0;
        case WM_CTLCOLORSTATIC:
            return LabelColours(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_ACTIVATE:
            // The control that had the focus gets it back when the window is active again.
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(Handle(), focus)) focused_ = focus;
            }
            break;
        case WM_SETFOCUS:
            SetFocus(focused_ && IsWindow(focused_) ? focused_ : lb);
            return 0;
        case WM_CLOSE:
            // A failed save raises out of here, and the window stays open for another try.
            FormClose();
            DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            if (this == frmMain) PostQuitMessage(0);
            return 0;
    }
    return TForm::WndProc(msg, wp, lp);
}

// The list has prepared the device context: its font, and the brush and text colours of a
// plain or a selected row.
void TfrmMain::lbDrawItem(HDC dc, int index, const RECT& rect, UINT) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    // A row drawn for the first time gets its icon here.
    const TIcon& icon = Catalogue().RowIcon(index);
    const int iconSize = Scaled(kIconSize);
    if (!icon.empty())
        DrawIconEx(dc, rect.left + Scaled(kIconInset), rect.top + Scaled(kIconInset),
                   static_cast<HICON>(icon.get()), iconSize, iconSize, 0, nullptr, DI_NORMAL);
    SIZE line{};
    GetTextExtentPoint32A(dc, "Wg", 2, &line);
    // The row label names the type in whatever script its key and description use.
    const std::wstring text = WideFromAnsi(rowText(lb, index));
    TextOutW(dc, rect.left + Scaled(kTextLeft), rect.top + (Scaled(kRowHeight) - line.cy) / 2,
             text.c_str(), static_cast<int>(text.size()));
}

// Rows and cells take their new height before the lists are laid out again: the file-type
// list keeps whole rows in its height. The library's and the rows' icons are extracted anew
// at the new size as they are drawn.
void TfrmMain::DpiChanged() {
    SetRowIconSize(Scaled(kIconSize));
    for (HWND list : {lb, lbLib})
        SendMessageA(list, LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(Scaled(kRowHeight)));
    SendMessageA(lbLib, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(Scaled(kLibColumnWidth)), 0);
    PlaceControls();
    for (HWND button : {btnAddExt, btnDelExt, btnFindExt, btnAddFileType, btnDelFileType,
                        btnChangeIcon, btnHelp, btnInfo, btnOpenLibrary})
        SetToolButtonDpi(button, Dpi());
    ShowImage1();
    for (HWND label : {Label2, Label1, Label5, Label3, Label4, lblIconName, lblIconOffset})
        SetLabelCaption(label, WindowText(label));
    FDragTracker.SetCursorSize(Scaled(kIconSize));
    if (!FLibEmpty)
        FLibIcons.Assign(static_cast<std::size_t>(FLibIconCount),
                         IconRunsOf(libraryPath_, Scaled(kIconSize)));
}

void TfrmMain::lbClick() {
    clearRows(lbExt);
    // Also called by the commands when no row is selected (after deleting the first type):
    // then there is no slot to read, and the labels go back to their first state.
    const TEntry* entry = Catalogue().Entry(selectedRow(lb));
    if (!entry) {
        SetLabelCaption(lblIconName, kNoSelectionText);
        SetLabelCaption(lblIconOffset, kNoSelectionText);
        return;
    }
    for (const TExt* ext = entry->FirstExt; ext; ext = ext->NextInType) addRow(lbExt, ext->Name);
    SetLabelCaption(lblIconName, entry->IconFile);
    SetLabelCaption(lblIconOffset, std::to_string(entry->IconIndex));
    if (rowCount(lbExt) > 0) selectRow(lbExt, 0);
}

void TfrmMain::lbDblClick() {
    btnChangeIconClick();
}

// The About and Quick Help windows exist from start-up on; the result of their modal show
// is not used.
void TfrmMain::btnInfoClick() {
    if (frmAbout) frmAbout->ShowModal();
}

void TfrmMain::btnHelpClick() {
    if (frmHelp) frmHelp->ShowModal();
}

void TfrmMain::LoadSettings() {
    TRegIniFile FReg("Software");
    FReg.SelectKey("Morvane", true);
    FReg.SelectKey("Kestrune", true);
    FDefaultDir = FReg.ReadText(kSettingsKey, kDefaultDirValue, "");
}

void TfrmMain::SaveSettings() {
    TRegIniFile FReg("Software");
    FReg.SelectKey("Morvane", true);
    FReg.SelectKey("Kestrune", true);
    FReg.WriteText(kSettingsKey, kDefaultDirValue, FDefaultDir);
}
