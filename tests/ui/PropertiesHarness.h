#pragma once
// The properties dialog driven as a user drives it, from a thread timer while it is shown:
// fields filled, a grid cell clicked or double-clicked, "&Browse for Icon" pressed and the
// real file-open dialog answered (a path typed into its file-name field, then Open or
// Cancel), and at last OK or Cancel pressed. What the dialog showed is recorded on the way.
//
//     ModalDriver modal;
//     PropertiesUser user(modal, *dialog);
//     PropertiesAnswer answer;
//     answer.typeName = "NewName";
//     answer.cell = 2;
//     user.Answer(answer);
//     Click(IDC_BTNCHANGEICON);              // the dialog opens and is answered
//     EXPECT_EQ(user.Seen().opened.typeName, "OldName");

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LibraryHarness.h"
#include "MainWindowHarness.h"
#include "catalogue/TypeNameRules.h"
#include "icons/IconExtract.h"
#include "support/ModalDriver.h"
#include "support/Pump.h"
#include "support/ScratchRegistry.h"
#include "support/TestData.h"
#include "ui/controls/ListBox.h"
#include "ui/dialogs/UProperties.h"

namespace props_test {

// The dialog's fields and grid at one moment.
struct DialogState {
    bool visible = false;
    std::string caption, description, typeName, iconFile;
    int gridCount = 0;
    int selectedCell = -1;
    std::int32_t selectedIconIndex = 0;
    std::vector<HICON> icons;  // handles of the grid's icons
};

inline DialogState ReadDialog(TfrmProperties& d) {
    DialogState s;
    s.visible = IsWindowVisible(d.Handle()) != FALSE;
    s.caption = TextOf(d.Handle());
    s.description = TextOf(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT2));
    s.typeName = TextOf(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT3));
    s.iconFile = TextOf(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT4));
    s.gridCount = rowCount(ControlOf(d.Handle(), TfrmProperties::IDC_LB));
    s.selectedCell = selectedRow(ControlOf(d.Handle(), TfrmProperties::IDC_LB));
    s.selectedIconIndex = d.ChosenIconIndex();
    for (int i = 0; i < s.gridCount && i < kIconGridSlots; ++i) s.icons.push_back(d.GridIcon(i));
    return s;
}

inline bool IsFileDialog(HWND w) {
    return ClassOf(w) == "#32770" && library_test::FileNameEdit(w) != nullptr;
}

// A click of the mouse in the middle of grid cell i.
inline void ClickCell(HWND grid, int cell, bool twice = false) {
    const RECT r = RowRect(grid, cell);
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(grid, WM_LBUTTONUP, 0, at);
    if (!twice) return;
    SendMessageA(grid, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(grid, WM_LBUTTONUP, 0, at);
}

// The UTF-16 characters of a text in the program's code page (UTF-8), one WM_CHAR each, as
// the keyboard gives them.
inline std::wstring TypedCharacters(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(n > 0 ? n : 0));
    return wide;
}

// Characters typed into an edit box one by one, handed to it at once.
inline void TypeInto(HWND edit, const std::string& text) {
    for (wchar_t c : TypedCharacters(text)) SendMessageW(edit, WM_CHAR, c, 1);
}

// Characters typed into an edit box one by one, queued for the message loop that runs, which
// hands them on: a loop that takes its messages as ANSI would turn every character outside
// the keyboard's code page into "?".
inline void PostTyping(HWND edit, const std::string& text) {
    for (wchar_t c : TypedCharacters(text)) PostMessageW(edit, WM_CHAR, c, 1);
}

// Every key below root with its values, by path ("" is root itself): the registry to compare
// before and after a command.
using RegTree = std::map<std::string, std::map<std::string, rawreg::Value>>;

inline void collect(HKEY root, const std::string& path, RegTree& tree) {
    auto& values = tree[path];
    for (const std::string& name : rawreg::ValueNames(root, path))
        if (auto v = rawreg::Get(root, path, name)) values[name] = *v;
    // The default value is listed by ValueNames only when it is set.
    for (const std::string& sub : rawreg::Subkeys(root, path))
        collect(root, path.empty() ? sub : path + "\\" + sub, tree);
}

inline RegTree Snapshot(HKEY root = HKEY_CLASSES_ROOT) {
    RegTree tree;
    collect(root, "", tree);
    return tree;
}

}  // namespace props_test

// What the user does in one showing of the dialog, in this order.
struct PropertiesAnswer {
    std::function<void(TfrmProperties&)> onOpen;       // looks at the dialog as it opened
    std::optional<std::string> description;            // put into the Description field
    std::optional<std::string> typeName;               // put into the File Type field
    std::optional<std::string> browseTo;               // typed into the Open dialog, then Open
    bool cancelBrowse = false;                         // Browse pressed, the Open dialog cancelled
    std::optional<int> cell;                           // grid cell clicked
    bool doubleClickCell = false;                      // ... twice: the dialog ends as with OK
    std::function<void(TfrmProperties&)> beforeClose;  // looks at it before the button
    int button = IDOK;                                 // IDOK or IDCANCEL, pressed last
};

struct SeenProperties {
    bool shown = false;
    props_test::DialogState opened;       // as it opened
    props_test::DialogState beforeClose;  // just before the button was pressed
    std::optional<SeenFileDialog> fileDialog;
};

class PropertiesUser {
public:
    PropertiesUser(ModalDriver& modal, TfrmProperties& dialog) : modal_(modal), dialog_(dialog) {}
    ~PropertiesUser() {
        if (timer_) KillTimer(nullptr, timer_);
        if (current_ == this) current_ = nullptr;
        if (waiting_) ADD_FAILURE() << "the properties dialog never came back from Browse";
    }
    PropertiesUser(const PropertiesUser&) = delete;
    PropertiesUser& operator=(const PropertiesUser&) = delete;

    // The next showing of the dialog is answered as answer says.
    void Answer(PropertiesAnswer answer) {
        answer_ = std::move(answer);
        modal_.AnswerNextModal([this](HWND) { opened(); },
                               [this](HWND w) { return w == dialog_.Handle(); });
    }
    const SeenProperties& Seen() const { return seen_; }

private:
    void opened() {
        seen_.shown = true;
        seen_.opened = props_test::ReadDialog(dialog_);
        if (answer_.onOpen) answer_.onOpen(dialog_);
        if (answer_.description)
            SetWindowTextA(ControlOf(dialog_.Handle(), TfrmProperties::IDC_EDIT2),
                           answer_.description->c_str());
        if (answer_.typeName)
            SetWindowTextA(ControlOf(dialog_.Handle(), TfrmProperties::IDC_EDIT3),
                           answer_.typeName->c_str());
        if (!answer_.browseTo && !answer_.cancelBrowse) return finish();
        modal_.AnswerNextModal([this](HWND fileDialog) { answerFileDialog(fileDialog); },
                               props_test::IsFileDialog);
        // Posted, so that the Open dialog runs in the dialog's own loop, not in this timer.
        PostMessageA(ControlOf(dialog_.Handle(), TfrmProperties::IDC_BTNBROWSE), BM_CLICK, 0, 0);
    }

    void answerFileDialog(HWND fileDialog) {
        seen_.fileDialog = library_test::ReadFileDialog(fileDialog);
        if (answer_.browseTo) {
            HWND edit = library_test::FileNameEdit(fileDialog);
            SetWindowTextA(edit, answer_.browseTo->c_str());
        }
        PressDialogButton(fileDialog, answer_.browseTo ? IDOK : IDCANCEL);
        // The dialog goes on once the Open dialog has gone and it is enabled again.
        waiting_ = true;
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 30, &PropertiesUser::tick);
    }

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        PropertiesUser* self = current_;
        if (!self || !self->waiting_) return;
        HWND d = self->dialog_.Handle();
        if (!IsWindowVisible(d) || !IsWindowEnabled(d)) return;
        KillTimer(nullptr, self->timer_);
        self->timer_ = 0;
        self->waiting_ = false;
        self->finish();
    }

    void finish() {
        if (answer_.cell)
            props_test::ClickCell(ControlOf(dialog_.Handle(), TfrmProperties::IDC_LB),
                                  *answer_.cell, answer_.doubleClickCell);
        seen_.beforeClose = props_test::ReadDialog(dialog_);
        if (answer_.beforeClose) answer_.beforeClose(dialog_);
        if (answer_.doubleClickCell) return;
        PostMessageA(answer_.button == IDOK ? ControlOf(dialog_.Handle(), IDOK)
                                            : ControlOf(dialog_.Handle(), IDCANCEL),
                     BM_CLICK, 0, 0);
    }

    static inline PropertiesUser* current_ = nullptr;
    ModalDriver& modal_;
    TfrmProperties& dialog_;
    PropertiesAnswer answer_;
    SeenProperties seen_;
    UINT_PTR timer_ = 0;
    bool waiting_ = false;
};

// The main window on a throwaway registry, with the properties dialog created beside it as
// the program block creates it.
class PropertiesCommandTest : public MainWindowTest {
protected:
    PropertiesCommandTest() {
        dialog = std::make_unique<TfrmProperties>();
        dialog->Create();
        frmProperties = dialog.get();
    }
    ~PropertiesCommandTest() override { frmProperties = nullptr; }

    // Runs the command behind button id with the dialog answered as answer says; no other
    // window may appear.
    SeenProperties RunDialog(int id, PropertiesAnswer answer) {
        ModalDriver modal;
        PropertiesUser user(modal, *dialog);
        user.Answer(std::move(answer));
        Click(id);
        EXPECT_TRUE(user.Seen().shown) << "the properties dialog was not shown";
        return user.Seen();
    }

    // As RunDialog, and after the dialog one plain message box with text comes.
    SeenProperties RunDialogExpectingMessage(int id, PropertiesAnswer answer,
                                             const std::string& text) {
        ModalDriver modal;
        PropertiesUser user(modal, *dialog);
        user.Answer(std::move(answer));
        modal.ExpectMessageBox(text);
        Click(id);
        EXPECT_TRUE(user.Seen().shown) << "the properties dialog was not shown";
        EXPECT_EQ(modal.MessageBoxes().size(), 1u);
        return user.Seen();
    }

    const TEntry& EntryAt(int slot) {
        const TEntry* entry = Catalogue().Entry(slot);
        EXPECT_NE(entry, nullptr) << "no entry in slot " << slot;
        static const TEntry none;
        return entry ? *entry : none;
    }

    static std::optional<std::string> Text(const std::string& path) {
        return rawreg::GetText(HKEY_CLASSES_ROOT, path, "");
    }

    std::unique_ptr<TfrmProperties> dialog;
};
