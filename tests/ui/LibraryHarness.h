#pragma once
// The main window with its icon library panel, driven as a user drives it: the Open Library
// button, the real file-open dialog answered from a thread timer (the path typed into its
// file-name field, then Open or Cancel), and mouse input on the lists for the drags.

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <optional>
#include <string>
#include <vector>

#include "IconSetColours.h"
#include "MainWindowHarness.h"
#include "support/OwnerDraw.h"
#include "support/TestData.h"
#include "ui/window/Gdi.h"
#include "ui/system/OpenLibDialog.h"

// What the Open Library dialog showed when it was answered.
struct SeenFileDialog {
    std::string title;
    std::string folder;                // the folder it was showing
    std::string fileName;              // the text of its file-name field
    std::vector<std::string> filters;  // the entries of "Files of type"
    int filter = -1;                   // the selected entry, from 0
    bool readOnlyBoxShown = true;
};

namespace library_test {

inline bool IsOpenLibraryDialog(HWND w) {
    return ClassOf(w) == "#32770" && TextOf(w) == kOpenLibTitle;
}

struct EditSearch {
    HWND dialog;
    HWND found = nullptr;
};

// The file-name field: an edit inside the file-name combo box (cmb13), or the plain edit
// (edt1) of the older dialog layout.
inline BOOL CALLBACK findNameEdit(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<EditSearch*>(p);
    if (_stricmp(ClassOf(w).c_str(), "Edit") != 0) return TRUE;
    for (HWND up = w; up && up != s->dialog; up = GetParent(up)) {
        const int id = GetDlgCtrlID(up);
        if (id == cmb13 || id == edt1) {
            s->found = w;
            return FALSE;
        }
    }
    return TRUE;
}

inline HWND FileNameEdit(HWND dialog) {
    EditSearch search{dialog};
    EnumChildWindows(dialog, findNameEdit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline SeenFileDialog ReadFileDialog(HWND dialog) {
    SeenFileDialog seen;
    seen.title = TextOf(dialog);
    char folder[MAX_PATH * 2] = {};
    SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
    seen.folder = folder;
    if (HWND edit = FileNameEdit(dialog)) seen.fileName = TextOf(edit);
    if (HWND types = GetDlgItem(dialog, cmb1)) {
        const int n = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            char entry[512] = {};
            SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(entry));
            seen.filters.push_back(entry);
        }
        seen.filter = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
    }
    HWND readOnly = GetDlgItem(dialog, chx1);
    seen.readOnlyBoxShown = readOnly && IsWindowVisible(readOnly);
    return seen;
}

inline COLORREF ColourOfIcon(int i) {
    const IconSetColour c = IconSetColourOf(i);
    return RGB(c.r, c.g, c.b);
}

// Slot i's icon as its cell shows it: extracted now when no cell drew it yet.
inline HICON SlotIcon(IconSlots& slots, size_t i) {
    return static_cast<HICON>(slots.Get(i, [i] { return i + 1; }).get());
}

// True while the handle is a live icon.
inline bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
}

}  // namespace library_test

class LibraryPanelTest : public MainWindowTest {
protected:
    // Presses Open Library; the dialog gets path typed into its name field and Open pressed.
    // Returns what the dialog showed before it was answered.
    SeenFileDialog OpenLibrary(const std::string& typed) { return RunDialog(typed, IDOK); }
    // Presses Open Library and cancels the dialog.
    SeenFileDialog CancelLibrary() { return RunDialog(std::nullopt, IDCANCEL); }

    // Row i of lbLib drawn by the window into a memory surface of one cell, as the list asks.
    COLORREF CellPixel(int cell, int x, int y, UINT state = 0) {
        const RECT r = RowRect(lbLib(), cell);
        Pixels s(r.right - r.left, r.bottom - r.top, kUnpainted);
        DrawListRow(lbLib(), cell, s, state);
        return s.at(x, y);
    }

    HICON LibIcon(int slot) { return form->LibraryIcon(static_cast<size_t>(slot)); }

    // A click on the Open Library button, as the mouse gives it.
    void ClickOpenLibrary() {
        const LPARAM inside = MAKELPARAM(20, 20);
        SendMessageA(Control(IDC_BTNOPENLIBRARY), WM_LBUTTONDOWN, MK_LBUTTON, inside);
        SendMessageA(Control(IDC_BTNOPENLIBRARY), WM_LBUTTONUP, 0, inside);
    }

    // Presses Open Library; answer acts on the dialog when it shows.
    void AnswerLibraryDialog(const ModalDriver::Answer& answer) {
        ModalDriver modal;
        modal.AnswerNextModal(answer, library_test::IsOpenLibraryDialog);
        ClickOpenLibrary();
        PumpMessages();
    }

private:
    SeenFileDialog RunDialog(std::optional<std::string> typed, int button) {
        SeenFileDialog seen;
        bool answered = false;
        AnswerLibraryDialog([&](HWND dialog) {
            seen = library_test::ReadFileDialog(dialog);
            answered = true;
            if (typed) {
                HWND edit = library_test::FileNameEdit(dialog);
                EXPECT_NE(edit, nullptr) << "no file-name field in the dialog";
                SetWindowTextA(edit, typed->c_str());
            }
            PressDialogButton(dialog, button);
        });
        EXPECT_TRUE(answered) << "the Open Library dialog was not shown";
        return seen;
    }
};
