#pragma once
// The main window with both dialogs and an icon library, driven as a user drives it, with
// Ctrl+Z, Ctrl+Y and F5 pressed as the program's message loop hands them on, and the whole
// scratch HKEY_CLASSES_ROOT read exactly to compare before and after.
//
//     const Key before = Root();
//     DeleteExtension(0);                      // the confirmation answered "&Yes"
//     Undo("Undo Delete Extension \".aaa\"?");
//     EXPECT_EQ(Root(), before);

#include <functional>
#include <optional>
#include <string>

#include "ActionsHarness.h"
#include "MouseDrag.h"
#include "PropertiesHarness.h"
#include "registry/KeySnapshot.h"
#include "registry/PartClasses.h"
#include "support/ScriptPrinters.h"
#include "ui/dialogs/UAddExt.h"

class HistoryTest : public PropertiesCommandTest, protected MouseDrag {
public:
    HistoryTest() {
        addExt->Create();
        frmAddExt = addExt.get();
    }
    ~HistoryTest() override { frmAddExt = nullptr; }

    // Both parts of the classes, read exactly: the user's and the machine's.
    static regscript::Key Root() {
        regscript::Key both;
        for (const Part part : {Part::User, Part::Machine})
            if (std::optional<regscript::Key> key =
                    ReadKeySnapshot(PartRoot(part), u"Software\\Classes"))
                both.subkeys.push_back(std::move(*key));
        return both;
    }

    // Starts the window and opens icons10.dll into the library grid.
    void StartWithLibrary() {
        Start();
        form->OpenLibraryFile(TestDataPath("icons10.dll"));
        ASSERT_FALSE(form->Inspect().libraryEmpty);
    }

    // The answers that a command's windows get: its own dialog or confirmation first, then
    // whatever a test queues after it, such as an error box.
    using Then = std::function<void(ModalDriver&)>;

    void AddExtension(int type, const std::string& typed, const Then& then = {}) {
        SelectRow(type);
        ModalDriver modal;
        modal.AnswerNextModal(
            [this, typed](HWND) {
                SetWindowTextA(ControlOf(addExt->Handle(), TfrmAddExt::IDC_EDIT1), typed.c_str());
                PostMessageA(ControlOf(addExt->Handle(), IDOK), BM_CLICK, 0, 0);
            },
            [this](HWND w) { return w == addExt->Handle(); });
        if (then) then(modal);
        Click(IDC_BTNADDEXT);
    }

    void DeleteExtension(int type, int ext, const Then& then = {}) {
        SelectRow(type);
        selectRow(lbExt(), ext);
        ModalDriver modal;
        modal.AnswerMessageBox(IDYES);
        if (then) then(modal);
        Click(IDC_BTNDELEXT);
    }

    void AddFileType(const std::string& description, const std::string& name,
                     const Then& then = {}) {
        PropertiesAnswer answer;
        answer.description = description;
        answer.typeName = name;
        RunProperties(IDC_BTNADDFILETYPE, answer, then);
    }

    void DeleteFileType(int type, const Then& then = {}) {
        SelectRow(type);
        ModalDriver modal;
        if (then) then(modal);
        Click(IDC_BTNDELFILETYPE);
    }

    // The properties of the type in row type, with the fields that are given changed.
    void Properties(int type, const std::optional<std::string>& description,
                    const std::optional<std::string>& name = std::nullopt, const Then& then = {}) {
        SelectRow(type);
        PropertiesAnswer answer;
        answer.description = description;
        answer.typeName = name;
        RunProperties(IDC_BTNCHANGEICON, answer, then);
    }

    void DropIcon(int cell, int type, const Then& then = {}) {
        ModalDriver modal;
        if (then) then(modal);
        Drag(lbLib(), cell, RowPoint(lb(), type));
    }

    void MoveExtension(int type, int ext, int target, const Then& then = {}) {
        SelectRow(type);
        ModalDriver modal;
        if (then) then(modal);
        Drag(lbExt(), ext, RowPoint(lb(), target));
    }

    // The Actions window of the type in row type, the steps taken in it and in the windows it
    // opens.
    void Actions(int type, const std::vector<actions_test::Step>& steps) {
        SelectRow(type);
        ModalDriver modal;
        actions_test::Queue(modal, steps);
        Click(IDM_ACTIONS);
    }

    // A key pressed in the file-type list, with Ctrl held when ctrl, handed to the main
    // window's shortcuts as the message loop hands it; false when it was no shortcut.
    bool PressKey(WPARAM key, bool ctrl) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        const BYTE wasCtrl = keys[VK_CONTROL];
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG msg{lb(), WM_KEYDOWN, key, 1, 0, {}};
        const bool translated = form->TranslateShortcut(msg);
        keys[VK_CONTROL] = wasCtrl;
        SetKeyboardState(keys);
        PumpMessages();
        return translated;
    }

    // Ctrl+Z (or Ctrl+Y), with the confirmation box, which must ask question, answered.
    void Undo(const std::string& question, int answer = IDYES) { Confirm('Z', question, answer); }
    void Redo(const std::string& question, int answer = IDYES) { Confirm('Y', question, answer); }
    void Confirm(WPARAM key, const std::string& question, int answer) {
        ModalDriver modal;
        modal.ExpectMessageBox(question, answer);
        EXPECT_TRUE(PressKey(key, true));
    }

    std::unique_ptr<TfrmAddExt> addExt = std::make_unique<TfrmAddExt>();

private:
    void RunProperties(int button, PropertiesAnswer answer, const Then& then) {
        ModalDriver modal;
        PropertiesUser user(modal, *dialog);
        user.Answer(std::move(answer));
        if (then) then(modal);
        Click(button);
        EXPECT_TRUE(user.Seen().shown) << "the properties dialog was not shown";
    }
};
