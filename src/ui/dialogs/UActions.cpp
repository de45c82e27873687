#include "ui/dialogs/UActions.h"

#include <commctrl.h>

#include "actions/ActionsList.h"
#include "actions/DefaultVerb.h"
#include "registry/KeyName.h"
#include "ui/controls/ReportList.h"
#include "ui/window/ErrorBoundary.h"

namespace {

constexpr int kClientWidth = 620;
constexpr int kClientHeight = 280;
constexpr int kButtonLeft = 528, kButtonWidth = 84, kButtonHeight = 25;

constexpr ReportColumn kColumns[] = {{"Action", 100}, {"Text in menu", 150}, {"Command", 258}};

bool sameRegistryName(const std::string& a, const std::string& b) {
    return SameRegistryName(a, b);
}

}  // namespace

std::string ActionsCaption(const std::string& typeName) {
    return "Actions of " + typeName;
}

void TfrmActions::Create(HWND owner) {
    CreateForm({.className = "TfrmActions",
                .caption = ActionsCaption(""),
                .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                .clientWidth = kClientWidth,
                .clientHeight = kClientHeight,
                .centred = true,
                .owner = owner});

    lvActions =
        AddControl(WC_LISTVIEWA, "",
                   WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                   8, 8, 512, 264, IDC_LVACTIONS, WS_EX_CLIENTEDGE);
    AddReportColumns(lvActions, kColumns, Dpi());
    const auto button = [this](const char* caption, DWORD style, int y, int id) {
        return AddControl("BUTTON", caption, WS_TABSTOP | style, kButtonLeft, y, kButtonWidth,
                          kButtonHeight, id);
    };
    btnNew = button("&New...", BS_PUSHBUTTON, 8, IDC_BTNNEW);
    btnEdit = button("&Edit...", BS_DEFPUSHBUTTON, 37, IDC_BTNEDIT);
    btnRemove = button("&Remove", BS_PUSHBUTTON, 66, IDC_BTNREMOVE);
    btnDefault = button("Set as &Default", BS_PUSHBUTTON, 95, IDC_BTNDEFAULT);
    btnClose = button("Close", BS_PUSHBUTTON, 247, IDCANCEL);
}

void TfrmActions::ShowFor(const std::string& typeName, const ActionsCommands& commands) {
    SetCaption(ActionsCaption(typeName));
    Fill(commands.read(), "");
    if (!actions_.verbs.empty()) SelectReportRow(lvActions, 0);
    commands_ = &commands;
    ShowModal();
    commands_ = nullptr;
}

void TfrmActions::Fill(const actions::TypeActions& actions, const std::string& select) {
    actions_ = actions;
    const std::optional<std::size_t> runs =
        actions::FindDefaultVerb(actions_, sameRegistryName).index;
    SendMessageA(lvActions, LVM_DELETEALLITEMS, 0, 0);
    int selected = -1;
    for (std::size_t i = 0; i < actions_.verbs.size(); ++i) {
        const actions::Verb& verb = actions_.verbs[i];
        const actions::ActionsRow row = actions::ActionsListRow(verb, runs == i);
        const int at = static_cast<int>(i);
        SetReportCell(lvActions, at, 0, verb.name);
        SetReportCell(lvActions, at, 1, row.text);
        SetReportCell(lvActions, at, 2, row.command);
        if (!select.empty() && SameRegistryName(verb.name, select)) selected = at;
    }
    if (selected >= 0) SelectReportRow(lvActions, selected);
    lvActionsChange();
}

int TfrmActions::SelectedRow() const {
    return static_cast<int>(SendMessageA(lvActions, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

// Edit needs an action with a command line to edit; Remove and Set as Default any action.
void TfrmActions::lvActionsChange() {
    const int row = SelectedRow();
    const bool selected = row >= 0 && static_cast<std::size_t>(row) < actions_.verbs.size();
    EnableWindow(btnEdit, selected && !actions_.verbs[row].runByHandler());
    EnableWindow(btnRemove, selected);
    EnableWindow(btnDefault, selected);
}

void TfrmActions::Run(ActionCommand command) {
    const int row = SelectedRow();
    ActionRequest request{command, {}};
    if (command != ActionCommand::New) {
        if (row < 0 || static_cast<std::size_t>(row) >= actions_.verbs.size()) return;
        if (command == ActionCommand::Edit && actions_.verbs[row].runByHandler()) return;
        request.verb = actions_.verbs[row].name;
    }
    if (!commands_) return;
    std::string select = request.verb;
    try {
        const std::string ran = commands_->run(request);
        if (!ran.empty()) select = ran;
    } catch (...) {
        RunGuarded(Handle(), [&] { Fill(commands_->read(), select); });
        throw;
    }
    Fill(commands_->read(), select);
    SetFocus(lvActions);
}

LRESULT TfrmActions::lvActionsNotify(NMHDR& header) {
    switch (header.code) {
        case LVN_ITEMCHANGED:
            lvActionsChange();
            return 0;
        case NM_DBLCLK:
            btnEditClick();
            return 0;
        case LVN_KEYDOWN:
            if (reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_DELETE) btnRemoveClick();
            return 0;
        case NM_CUSTOMDRAW: {
            // An action a handler runs has no command line to edit: its row is greyed.
            auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            const std::size_t row = draw.nmcd.dwItemSpec;
            if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && row < actions_.verbs.size() &&
                actions_.verbs[row].runByHandler())
                draw.clrText = GetSysColor(COLOR_GRAYTEXT);
            return CDRF_DODEFAULT;
        }
    }
    return 0;
}

// Enter presses the focused button, or Edit while the focus is elsewhere.
HWND TfrmActions::DefaultButton() const {
    const HWND focus = GetFocus();
    for (HWND button : {btnNew, btnRemove, btnDefault, btnClose})
        if (focus == button) return button;
    return btnEdit;
}

LRESULT TfrmActions::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (HIWORD(wp) != BN_CLICKED) return 0;
            switch (LOWORD(wp)) {
                case IDC_BTNNEW:
                    btnNewClick();
                    break;
                case IDC_BTNEDIT:
                    btnEditClick();
                    break;
                case IDC_BTNREMOVE:
                    btnRemoveClick();
                    break;
                case IDC_BTNDEFAULT:
                    btnDefaultClick();
                    break;
                case IDCANCEL:
                    ModalResult = mrCancel;
                    break;
            }
            return 0;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lp);
            if (header.hwndFrom == lvActions) return lvActionsNotify(header);
            break;
        }
    }
    return TForm::WndProc(msg, wp, lp);
}

void TfrmActions::DpiChanged() {
    PlaceControls();
    ScaleReportColumns(lvActions, kColumns, Dpi());
}
