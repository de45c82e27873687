#pragma once
// The Actions window and the Edit Action dialog driven as a user drives them, one step for
// each window that comes up, in turn: the Actions window (a row selected, then a key or a
// button), the Edit Action dialog (fields filled, mends pressed, then a button), a message box,
// the file dialog of Browse. The windows of the program stay open across the steps, so each can
// be acted on again once the window it opened has gone.
//
//     Queue(modal, {In("open", VK_RETURN), InEditAction({.text = "Open"}), In("", VK_ESCAPE)});

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "PropertiesHarness.h"
#include "ui/dialogs/UActions.h"
#include "ui/dialogs/UEditAction.h"

namespace actions_test {

struct Step {
    std::function<bool(HWND)> match;
    std::function<void(HWND)> act;
};

inline void Queue(ModalDriver& modal, const std::vector<Step>& steps) {
    for (const Step& step : steps)
        modal.AnswerNextModal(
            [&modal, step](HWND w) {
                step.act(w);
                if (ClassOf(w).starts_with("Tfrm")) modal.Forget(w);
            },
            step.match);
}

// The Actions window's rows: "name | text | command".
inline std::vector<std::string> ActionRows(HWND window) {
    const HWND list = ControlOf(window, TfrmActions::IDC_LVACTIONS);
    std::vector<std::string> rows(ListView_GetItemCount(list));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int column = 0; column < 3; ++column) {
            char text[512] = {};
            ListView_GetItemText(list, row, column, text, sizeof text);
            rows[row] += (column ? " | " : "") + std::string(text);
        }
    return rows;
}

// In the Actions window: look is called, the row of the action verb selected as a click does
// (unless verb is empty), then key pressed in the list, or the button id.
inline Step In(const std::string& verb, WPARAM key, int id = 0,
               const std::function<void(HWND)>& look = {}) {
    return {[](HWND w) { return ClassOf(w) == "TfrmActions"; },
            [=](HWND w) {
                if (look) look(w);
                const HWND list = ControlOf(w, TfrmActions::IDC_LVACTIONS);
                LVFINDINFOA find{LVFI_STRING, verb.c_str(), 0, {}, 0};
                const UINT selected = LVIS_SELECTED | LVIS_FOCUSED;
                if (!verb.empty())
                    ListView_SetItemState(list, ListView_FindItem(list, -1, &find), selected,
                                          selected);
                SetFocus(list);
                if (key) PostMessageA(list, WM_KEYDOWN, key, 1);
                if (id) PostMessageA(ControlOf(w, id), BM_CLICK, 0, 0);
            }};
}

// What the user does in one turn in the Edit Action dialog, in this order.
struct EditAnswer {
    std::optional<std::string> name{}, text{}, command{};
    bool toggleShift = false;
    // The captions of the mends pressed in turn, each then the first warning's.
    std::vector<std::string> mends{};
    int button = IDOK;  // or IDCANCEL, or TfrmEditAction::IDC_BTNBROWSE
    // Receives each warning row then shown, with its mend's caption in brackets.
    std::vector<std::string>* warnings = nullptr;
};

inline Step InEditAction(EditAnswer a) {
    return {[](HWND w) { return ClassOf(w) == "TfrmEditAction"; },
            [a](HWND d) {
                using D = TfrmEditAction;
                for (const auto& [id, text] : {std::pair{D::IDC_EDTNAME, a.name},
                                               {D::IDC_EDTTEXT, a.text},
                                               {D::IDC_EDTCOMMAND, a.command}})
                    if (text) SetWindowTextA(ControlOf(d, id), text->c_str());
                if (a.toggleShift) SendMessageA(ControlOf(d, D::IDC_CHKEXTENDED), BM_CLICK, 0, 0);
                for (const std::string& caption : a.mends) {
                    EXPECT_EQ(TextOf(ControlOf(d, D::IDC_BTNMEND0)), caption);
                    SendMessageA(ControlOf(d, D::IDC_BTNMEND0), BM_CLICK, 0, 0);
                }
                for (int i = 0; a.warnings && i < D::kWarningRows; ++i) {
                    const std::string text = TextOf(ControlOf(d, D::IDC_LBLWARNING0 + i));
                    const std::string mend = TextOf(ControlOf(d, D::IDC_BTNMEND0 + i));
                    if (!text.empty())
                        a.warnings->push_back(text + (mend.empty() ? "" : " [" + mend + "]"));
                }
                PostMessageA(ControlOf(d, a.button), BM_CLICK, 0, 0);
            }};
}

inline Step Box(const std::string& text, int button = IDOK) {
    return {IsMessageBoxWindow, [text, button](HWND box) {
                EXPECT_EQ(ReadMessageBox(box).text, text);
                PressDialogButton(box, button);
            }};
}

inline Step InFileDialog(const std::string& typed) {
    return {props_test::IsFileDialog, [typed](HWND dialog) {
                SetWindowTextA(library_test::FileNameEdit(dialog), typed.c_str());
                PressDialogButton(dialog, IDOK);
            }};
}

}  // namespace actions_test
