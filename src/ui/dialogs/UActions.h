#pragma once
// The modal window "Actions of <type>": a file type's actions (verbs) listed with the text its
// context menu shows and what runs each, and the buttons that change them. The window writes
// nothing itself: each button hands its command to the caller, which asks, records and
// writes; the list is read again after each command.

#include <windows.h>

#include <functional>
#include <string>

#include "actions/Verb.h"
#include "ui/window/Form.h"

enum class ActionCommand { New, Edit, Remove, SetDefault };

struct ActionRequest {
    ActionCommand command = ActionCommand::New;
    std::string verb;  // the selected action's name; empty for New
};

// What the window asks of its caller.
struct ActionsCommands {
    // The type's actions as the registry holds them now.
    std::function<actions::TypeActions()> read;
    // Runs a button's command; returns the name of the action to select afterwards (the one
    // made or edited), or the empty text to keep the selection.
    std::function<std::string(const ActionRequest&)> run;
};

class TfrmActions : public TForm {
public:
    // The controls' ids; Close carries IDCANCEL, so that Escape presses it.
    enum : int {
        IDC_LVACTIONS = 101,  // one row an action: its name, its menu text with marks, its command
        IDC_BTNNEW,
        IDC_BTNEDIT,  // Enter presses it, unless the focus is on another button
        IDC_BTNREMOVE,
        IDC_BTNDEFAULT,
    };

    // Builds the window hidden, centred on the screen, above owner.
    void Create(HWND owner);

    // Shows the actions of the type key typeName modally, until Close or Escape.
    void ShowFor(const std::string& typeName, const ActionsCommands& commands);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    HWND DefaultButton() const override;
    void FormShow() override { SetFocus(lvActions); }
    void DpiChanged() override;

private:
    void btnNewClick() { Run(ActionCommand::New); }
    void btnEditClick() { Run(ActionCommand::Edit); }
    void btnRemoveClick() { Run(ActionCommand::Remove); }
    void btnDefaultClick() { Run(ActionCommand::SetDefault); }
    // The command on the selected action (New on none), then the list read again, also when
    // the command failed half-way: what it wrote is listed.
    void Run(ActionCommand command);
    LRESULT lvActionsNotify(NMHDR& header);
    void lvActionsChange();
    void Fill(const actions::TypeActions& actions, const std::string& select);
    int SelectedRow() const;

    HWND lvActions = nullptr;
    HWND btnNew = nullptr;
    HWND btnEdit = nullptr;
    HWND btnRemove = nullptr;
    HWND btnDefault = nullptr;
    HWND btnClose = nullptr;

    const ActionsCommands* commands_ = nullptr;  // while shown
    actions::TypeActions actions_;               // as listed: row i shows verb i
};

// The window's caption for the type key typeName.
std::string ActionsCaption(const std::string& typeName);
