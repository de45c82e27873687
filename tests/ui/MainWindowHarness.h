#pragma once
// A main window on a throwaway registry, built without the program block: the test fills
// HKEY_CLASSES_ROOT and HKEY_CURRENT_USER (both redirected), then creates and shows the
// window, which scans what the test put there.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/ModalDriver.h"
#include "support/Pump.h"
#include "support/ScratchHistory.h"
#include "support/ScratchRegistry.h"
#include "support/WindowInfo.h"
#include "ui/main/CatalogueList.h"
#include "ui/controls/ListBox.h"
#include "ui/main/Umain.h"

// The row of the file-type list that shows the type key typeName; -1 when none does.
inline int RowOfType(const std::string& typeName) {
    for (int i = 0; i < Catalogue().EntryCount; ++i)
        if (Catalogue().Entry(i)->Name == typeName) return i;
    return -1;
}

class MainWindowTest : public ::testing::Test {
protected:
    // An extension key naming a type key with a description and, unless iconLocation is
    // null, a DefaultIcon value.
    void RegisterType(const std::string& ext, const std::string& type,
                      const std::string& description, const char* iconLocation = nullptr) {
        rawreg::PutText(HKEY_CLASSES_ROOT, ext, "", type);
        rawreg::PutText(HKEY_CLASSES_ROOT, type, "", description);
        if (iconLocation)
            rawreg::PutText(HKEY_CLASSES_ROOT, type + "\\DefaultIcon", "", iconLocation);
    }

    // The folder of the icon libraries as a run of the program left it in its setting, for the
    // window created next.
    static void StoreDefaultDir(const std::string& folder) {
        rawreg::PutText(HKEY_CURRENT_USER, "Software\\Morvane\\Kestrune\\Settings", "DefaultDir",
                        folder);
    }

    // Created and shown, with the paints and notifications of the start done.
    TfrmMain& Start() {
        Create();
        form->Show(SW_SHOW);
        PumpMessages();
        return *form;
    }

    TfrmMain& Create() {
        form = std::make_unique<TfrmMain>();
        form->Create();
        return *form;
    }

    // The window's controls, found by their ids as a screen reader finds them.
    HWND Control(int id) const { return ControlOf(form->Handle(), id); }
    HWND lb() const { return Control(IDC_LB); }
    HWND lbExt() const { return Control(IDC_LBEXT); }
    HWND lbLib() const { return Control(IDC_LBLIB); }
    HWND lblIconName() const { return Control(IDC_LBLICONNAME); }
    HWND lblIconOffset() const { return Control(IDC_LBLICONOFFSET); }

    // Selects row as the list does for a click or a key: the selection, then its notification.
    void SelectRow(int row) {
        SendMessageA(lb(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(IDC_LB, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(lb()));
    }

    // The tool button pressed (its command, as the button sends it).
    void Click(int id) {
        HWND button = GetDlgItem(form->Handle(), id);
        SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        PumpMessages();
    }

    static std::vector<std::string> Rows(HWND list) {
        std::vector<std::string> rows;
        for (int i = 0; i < rowCount(list); ++i) rows.push_back(rowText(list, i));
        return rows;
    }

    static std::string Caption(HWND w) { return TextOf(w); }

    // The control's rectangle in the main window's client coordinates.
    RECT PlaceOf(HWND control) const { return PlaceIn(control, form->Handle()); }

    // Width of text in the window's font, as a label measures it.
    int TextWidth(const std::string& text) const { return TextSize(lb(), text).cx; }

    ScratchRegistry scratch;  // first made, last gone: the window goes before it
    ScratchHistory history;   // the history files of the commands the tests run
    std::unique_ptr<TfrmMain> form;
};
