#pragma once
// The Edit Action dialog, for a new action as for one the type has: its name (the verb key's
// name), the text its menu shows, its command line with "&Browse...", and "Show only with
// Shift". Warnings are shown while the fields change, each with a button that mends it where a
// mend exists; OK is taken with warnings (the user may know better), but not with a refusal,
// which a plain message box states while the dialog stays open. The dialog writes nothing:
// the caller gets the edited action back.

#include <windows.h>

#include <optional>
#include <vector>

#include "actions/CommandLine.h"
#include "actions/Draft.h"
#include "actions/DraftWarnings.h"
#include "actions/Verb.h"
#include "ui/system/OpenProgramDialog.h"
#include "ui/controls/GlyphButton.h"
#include "ui/window/Form.h"
#include "ui/window/Gdi.h"

inline constexpr const char* kEditActionCaption = "Edit Action";
inline constexpr const char* kNoWarnings = "No warnings.";

class TfrmEditAction : public TForm {
public:
    // Rows of warnings shown at once; more wait for those above to be mended.
    static constexpr int kWarningRows = 5;

    // The controls' ids; OK and Cancel carry IDOK and IDCANCEL, so that Enter and Escape reach
    // them through the dialog manager.
    enum : int {
        IDC_EDTNAME = 101,
        IDC_EDTTEXT,
        IDC_EDTCOMMAND,
        IDC_BTNBROWSE,
        IDC_CHKEXTENDED,
        IDC_LBLWARNING0,                                // the text of warning row i: + i
        IDC_BTNMEND0 = IDC_LBLWARNING0 + kWarningRows,  // its mend's button: + i
    };

    // Builds the dialog hidden, centred on the screen, above owner.
    void Create(HWND owner);

    // Shows draft, an action of the type whose actions are actions, modally; its command line
    // is checked against system. The action as the user left it when OK was taken, with the
    // mends of the registry chosen on the way; nothing when the dialog was cancelled.
    std::optional<actions::ActionDraft> Edit(const actions::ActionDraft& draft,
                                             const actions::TypeActions& actions,
                                             actions::CommandSystem& system);

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FormShow() override;
    void DpiChanged() override;
    HWND DefaultButton() const override;

private:
    void btnOkClick();
    void btnCancelClick() { ModalResult = mrCancel; }
    void btnBrowseClick();
    void btnMendClick(int row);
    // A field changed: the warnings are made again.
    void FieldsChange();
    void ShowWarnings();
    actions::ActionDraft FieldsDraft() const;
    void Command(int id, int code);
    LRESULT WarningColours(HDC dc, HWND label);

    HWND edtName = nullptr;
    HWND edtText = nullptr;
    HWND edtCommand = nullptr;
    HWND btnBrowse = nullptr;
    HWND chkExtended = nullptr;
    HWND lblWarning[kWarningRows] = {};
    HWND btnMend[kWarningRows] = {};
    HWND btnOk = nullptr;
    HWND btnCancel = nullptr;
    TOpenProgramDialog OpenDialog;
    OkCancelGlyphs glyphs_;

    // While shown: the action edited, with the mends chosen, what it is checked against, and
    // the warnings the rows show.
    actions::ActionDraft draft_;
    const actions::TypeActions* actions_ = nullptr;
    actions::CommandSystem* system_ = nullptr;
    std::vector<actions::DraftWarning> warnings_;
};
