#include "ui/dialogs/UExplorerView.h"

#include <commctrl.h>

#include <utility>

#include "explorer/ShellLookupSource.h"
#include "ui/controls/ReportList.h"
#include "ui/window/WindowText.h"

namespace {

constexpr int kClientWidth = 720;
constexpr int kClientHeight = 400;

constexpr ReportColumn kColumns[] = {
    {"Step", 150}, {"What Explorer reads", 300}, {"Read from", 250}};

void setIcon(HWND picture, const TIcon& icon) {
    SendMessageA(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
}

}  // namespace

std::string ExplorerViewCaption(const std::string& ext) {
    return "Explorer's view of " + ext;
}

void TfrmExplorerView::Create() {
    CreateForm({.className = "TfrmExplorerView",
                .caption = ExplorerViewCaption(""),
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .centred = true});

    lblExt = AddControl("STATIC", "Extension:", SS_LEFT, 8, 11, 60, 13);
    cbExt = AddControl("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 72, 8, 120, 200,
                       IDC_CBEXT);
    memWarnings = AddControl("EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 8,
                             36, 704, 84, IDC_MEMWARNINGS, WS_EX_CLIENTEDGE);
    lvSteps = AddControl(WC_LISTVIEWA, "", WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER, 8, 128, 704,
                         212, IDC_LVSTEPS, WS_EX_CLIENTEDGE);
    AddReportColumns(lvSteps, kColumns, Dpi());
    lblIcon = AddControl("STATIC", "DefaultIcon:", SS_LEFT, 8, 361, 64, 13);
    imgIcon = AddControl("STATIC", "", SS_ICON, 76, 352, 32, 32, IDC_IMGICON);
    lblShellIcon = AddControl("STATIC", "Shell's icon:", SS_LEFT, 124, 361, 64, 13);
    imgShellIcon = AddControl("STATIC", "", SS_ICON, 192, 352, 32, 32, IDC_IMGSHELLICON);
    btnClose =
        AddControl("BUTTON", "Close", WS_TABSTOP | BS_DEFPUSHBUTTON, 637, 367, 75, 25, IDCANCEL);
}

void TfrmExplorerView::ShowFor(const std::vector<std::string>& extensions, bool pickable) {
    extensions_ = extensions;
    SendMessageA(cbExt, CB_RESETCONTENT, 0, 0);
    for (const std::string& ext : extensions)
        SendMessageA(cbExt, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ext.c_str()));
    SendMessageA(cbExt, CB_SETCURSEL, 0, 0);
    ShowWindow(lblExt, pickable ? SW_SHOW : SW_HIDE);
    ShowWindow(cbExt, pickable ? SW_SHOW : SW_HIDE);
    Fill(extensions.at(0));
    ShowModal();
    // The icons go with the window, not with the next showing.
    setIcon(imgIcon, TIcon());
    setIcon(imgShellIcon, TIcon());
    icon_.reset();
    shellIcon_.reset();
}

void TfrmExplorerView::Fill(const std::string& extension) {
    ShellLookupSource source;
    view_ = explorer::LookUp(source, extension);
    SetCaption(ExplorerViewCaption(extension));

    std::string warnings;
    for (const std::string& line : view_.warnings)
        warnings += (warnings.empty() ? "- " : "\r\n- ") + line;
    if (warnings.empty()) warnings = "Nothing keeps Explorer from showing what Kestrune edits.";
    SetWindowTextA(memWarnings, warnings.c_str());
    FillSteps();

    ShowIcons();
}

void TfrmExplorerView::ShowIcons() {
    // The pictures take the new icons before the old ones are released: a picture never holds
    // a destroyed icon.
    const int size = Scaled(kIconSize);
    TIcon icon = view_.iconProbe.holdsIcon
                     ? IconOfLocation(view_.iconLocation.File, view_.iconLocation.Index, size)
                     : TIcon();
    TIcon shellIcon = ShellIconOf(view_.extension, size);
    setIcon(imgIcon, icon);
    setIcon(imgShellIcon, shellIcon);
    icon_ = std::move(icon);
    shellIcon_ = std::move(shellIcon);
}

void TfrmExplorerView::DpiChanged() {
    PlaceControls();
    ScaleReportColumns(lvSteps, kColumns, Dpi());
    if (!icon_.empty() || !shellIcon_.empty()) ShowIcons();
}

void TfrmExplorerView::FillSteps() {
    SendMessageA(lvSteps, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const explorer::ViewLine& line : explorer::ViewLines(view_)) {
        SetReportCell(lvSteps, row, 0, line.step);
        SetReportCell(lvSteps, row, 1, line.text);
        SetReportCell(lvSteps, row, 2, line.where);
        ++row;
    }
}

// The picked extension is taken from the list the window was shown with, not read back from
// the combo box: CB_GETLBTEXT takes no buffer size, and the length the box reports may fall
// short of a name's UTF-8 form.
void TfrmExplorerView::cbExtChange() {
    const LRESULT picked = SendMessageA(cbExt, CB_GETCURSEL, 0, 0);
    if (picked < 0 || static_cast<size_t>(picked) >= extensions_.size()) return;
    Fill(extensions_[static_cast<size_t>(picked)]);
}

LRESULT TfrmExplorerView::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) {
        if (LOWORD(wp) == IDCANCEL && HIWORD(wp) == BN_CLICKED) ModalResult = mrCancel;
        if (LOWORD(wp) == IDC_CBEXT && HIWORD(wp) == CBN_SELCHANGE) cbExtChange();
        return 0;
    }
    return TForm::WndProc(msg, wp, lp);
}
