#include "ui/dialogs/UEditAction.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "actions/DraftRefusals.h"
#include "base/RegistryText.h"
#include "registry/KeyName.h"
#include "res/resource.h"
#include "ui/controls/EditBox.h"
#include "ui/window/Messages.h"
#include "ui/window/WindowText.h"

using actions::Mend;

namespace {

constexpr int kClientWidth = 520;
constexpr int kClientHeight = 316;
constexpr int kFieldLeft = 92;
constexpr int kSideLeft = 436, kSideWidth = 76;  // Browse and the mend buttons
constexpr int kWarningTop = 124, kWarningPitch = 30;
constexpr COLORREF kWarningColour = RGB(128, 0, 0);

bool sameRegistryName(const std::string& a, const std::string& b) {
    return SameRegistryName(a, b);
}

// The command line Browse fills in: the program, quoted, run on the file, quoted.
std::string commandFor(const std::string& program) {
    return "\"" + program + "\" \"%1\"";
}

}  // namespace

void TfrmEditAction::Create(HWND owner) {
    CreateForm({.className = "TfrmEditAction",
                .caption = kEditActionCaption,
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .centred = true,
                .owner = owner});
    glyphs_.Load(Dpi());

    // Creation order is tab order: the fields, the mends, OK and Cancel.
    AddControl("STATIC", "Action:", SS_LEFT | SS_NOPREFIX, 8, 12, 80, 13);
    edtName = CreateEditBox(Handle(), WS_TABSTOP | ES_AUTOHSCROLL, kFieldLeft, 8, 420, 21,
                            IDC_EDTNAME, Font());
    Place(edtName, kFieldLeft, 8, 420, 21);
    LimitTyping(edtName, static_cast<int>(kLongestKeyName));
    AddControl("STATIC", "Text in menu:", SS_LEFT | SS_NOPREFIX, 8, 40, 80, 13);
    edtText = CreateEditBox(Handle(), WS_TABSTOP | ES_AUTOHSCROLL, kFieldLeft, 36, 420, 21,
                            IDC_EDTTEXT, Font());
    Place(edtText, kFieldLeft, 36, 420, 21);
    LimitTyping(edtText, 0);
    AddControl("STATIC", "Command:", SS_LEFT | SS_NOPREFIX, 8, 68, 80, 13);
    edtCommand = CreateEditBox(Handle(), WS_TABSTOP | ES_AUTOHSCROLL, kFieldLeft, 64, 336, 21,
                               IDC_EDTCOMMAND, Font());
    Place(edtCommand, kFieldLeft, 64, 336, 21);
    LimitTyping(edtCommand, 0);
    btnBrowse = AddControl("BUTTON", "&Browse...", WS_TABSTOP | BS_PUSHBUTTON, kSideLeft, 63,
                           kSideWidth, 23, IDC_BTNBROWSE);
    chkExtended = AddControl("BUTTON", "Show only with Shift", WS_TABSTOP | BS_AUTOCHECKBOX,
                             kFieldLeft, 92, 200, 17, IDC_CHKEXTENDED);
    AddControl("STATIC", "", SS_ETCHEDHORZ, 8, 116, 504, 2);
    for (int i = 0; i < kWarningRows; ++i) {
        const int top = kWarningTop + i * kWarningPitch;
        lblWarning[i] =
            AddControl("STATIC", "", SS_LEFT | SS_NOPREFIX, 8, top, 420, 26, IDC_LBLWARNING0 + i);
        btnMend[i] = AddControl("BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON, kSideLeft, top,
                                kSideWidth, 23, IDC_BTNMEND0 + i);
    }
    btnOk = AddControl("BUTTON", "OK", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 8, 283, 75, 25, IDOK);
    btnCancel = AddControl("BUTTON", "Cancel", WS_TABSTOP | BS_OWNERDRAW | BS_NOTIFY, 89, 283, 75,
                           25, IDCANCEL);
}

void TfrmEditAction::DpiChanged() {
    PlaceControls();
    glyphs_.Load(Dpi());
}

std::optional<actions::ActionDraft> TfrmEditAction::Edit(const actions::ActionDraft& draft,
                                                         const actions::TypeActions& actions,
                                                         actions::CommandSystem& system) {
    draft_ = draft;
    actions_ = &actions;
    system_ = &system;
    SetWindowTextA(edtName, draft.name.c_str());
    SetWindowTextA(edtText, draft.text.c_str());
    SetWindowTextA(edtCommand, draft.command.c_str());
    SendMessageA(chkExtended, BM_SETCHECK, draft.extended ? BST_CHECKED : BST_UNCHECKED, 0);
    FieldsChange();
    const int result = ShowModal();
    actions_ = nullptr;
    system_ = nullptr;
    if (result != mrOk) return std::nullopt;
    return draft_;
}

void TfrmEditAction::FormShow() {
    SetFocus(edtName);
    SendMessageA(edtName, EM_SETSEL, 0, -1);
}

actions::ActionDraft TfrmEditAction::FieldsDraft() const {
    actions::ActionDraft draft = draft_;
    draft.name = WindowText(edtName);
    draft.text = WindowText(edtText);
    draft.command = WindowText(edtCommand);
    draft.extended = SendMessageA(chkExtended, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return draft;
}

void TfrmEditAction::FieldsChange() {
    if (!actions_ || !system_) return;  // the fields are being filled for a showing
    draft_ = FieldsDraft();
    warnings_ = actions::DraftWarnings(draft_, *actions_, *system_, sameRegistryName);
    ShowWarnings();
}

// Row i shows warning i and its mend; when there are more warnings than rows, the last row
// says so, and the rest come up as those above are mended.
void TfrmEditAction::ShowWarnings() {
    const std::size_t count = warnings_.size();
    const bool more = count > static_cast<std::size_t>(kWarningRows);
    for (int i = 0; i < kWarningRows; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        std::string text = at < count ? warnings_[at].text : "";
        if (count == 0 && i == 0) text = kNoWarnings;
        if (more && i == kWarningRows - 1)
            text = std::to_string(count - at) + " more warnings show as those above are mended.";
        const bool mend =
            at < count && !(more && i == kWarningRows - 1) && warnings_[at].mend != Mend::None;
        SetWindowTextA(lblWarning[i], text.c_str());
        SetWindowTextA(btnMend[i], mend ? warnings_[at].mendCaption.c_str() : "");
        ShowWindow(btnMend[i], mend ? SW_SHOW : SW_HIDE);
    }
}

void TfrmEditAction::btnMendClick(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= warnings_.size()) return;
    // A copy: the warnings are made again as the mend changes the fields.
    const actions::DraftWarning warning = warnings_[static_cast<std::size_t>(row)];
    switch (warning.mend) {
        case Mend::QuotePlaceholder:
        case Mend::QuoteProgram:
            SetWindowTextA(edtCommand, warning.mendedCommand.c_str());
            break;
        case Mend::RemoveDde:
            draft_.removeDde = true;
            break;
        case Mend::ClearDefaultVerb:
            draft_.clearDefaultVerb = true;
            break;
        case Mend::None:
            return;
    }
    FieldsChange();
    // The button may be gone with its warning; the command line is what a mend is about.
    SetFocus(edtCommand);
}

void TfrmEditAction::btnBrowseClick() {
    if (!OpenDialog.Execute(Handle())) return;
    SetWindowTextA(edtCommand, commandFor(OpenDialog.FileName).c_str());
    SetFocus(edtCommand);
}

void TfrmEditAction::btnOkClick() {
    draft_ = FieldsDraft();
    const std::string refusal =
        actions_ ? actions::DraftRefusal(draft_, *actions_, sameRegistryName) : std::string();
    if (!refusal.empty()) return PlainMessage(Handle(), refusal);
    ModalResult = mrOk;
}

// Enter presses the focused button, or OK while the focus is elsewhere; OK and Cancel wear the
// default frame when they are that button.
HWND TfrmEditAction::DefaultButton() const {
    const HWND focus = GetFocus();
    if (focus == btnCancel || focus == btnBrowse) return focus;
    for (HWND mend : btnMend)
        if (focus == mend) return focus;
    return btnOk;
}

void TfrmEditAction::Command(int id, int code) {
    if ((id == IDC_EDTNAME || id == IDC_EDTCOMMAND) && code == EN_CHANGE) return FieldsChange();
    if (code == BN_SETFOCUS || code == BN_KILLFOCUS) {
        // The default frame follows the focus between the buttons.
        InvalidateRect(btnOk, nullptr, FALSE);
        InvalidateRect(btnCancel, nullptr, FALSE);
        return;
    }
    if (code != BN_CLICKED) return;
    if (id == IDOK) btnOkClick();
    if (id == IDCANCEL) btnCancelClick();
    if (id == IDC_BTNBROWSE) btnBrowseClick();
    if (id >= IDC_BTNMEND0 && id < IDC_BTNMEND0 + kWarningRows) btnMendClick(id - IDC_BTNMEND0);
}

// The warnings stand out in dark red; "No warnings." keeps the look of the other labels.
LRESULT TfrmEditAction::WarningColours(HDC dc, HWND label) {
    const bool warning =
        !warnings_.empty() &&
        std::find(std::begin(lblWarning), std::end(lblWarning), label) != std::end(lblWarning);
    SetTextColor(dc, warning ? kWarningColour : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT TfrmEditAction::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            Command(LOWORD(wp), HIWORD(wp));
            return 0;
        case WM_CTLCOLORSTATIC:
            return WarningColours(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            if (glyphs_.Draw(item, btnOk, btnCancel, DefaultButton(), Dpi())) return TRUE;
            break;
        }
    }
    return TForm::WndProc(msg, wp, lp);
}
