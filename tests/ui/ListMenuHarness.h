#pragma once
// The main window driven by the mouse's right button and the keyboard, with every modal
// window that comes up (context menu, message box, dialog) logged as one line and answered
// by a script:
//
//     "menu:Properties*|Delete File Type|-|..."   a context menu: its items, "*" marking the
//                                                  default one, "~" a greyed one and "-" a
//                                                  separator
//     "box:Select a File Type first!"              a message box and its text
//     "window:Find Extension"                      one of the program's windows, by caption

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "support/WindowInfo.h"
#include "ui/dialogs/UAddExt.h"
#include "ui/dialogs/UHelp.h"
#include "ui/dialogs/UProperties.h"

namespace menu_test {

// What the script does with the next modal window: the menu item to choose (empty: Escape),
// the message box button to press. Any window of the program's own is closed.
struct Step {
    std::string choose;
    int button = IDOK;
};

inline bool IsMenuWindow(HWND w) {
    return ClassOf(w) == "#32768";
}

// A menu, a message box or one of the program's windows other than the main window, which
// stays enabled between the steps of a test.
inline bool IsProgramModal(HWND w) {
    const std::string cls = ClassOf(w);
    return IsMenuWindow(w) || cls == "#32770" || (cls.rfind("Tfrm", 0) == 0 && cls != "TfrmMain");
}

// The menu's items as one log line; items receives their texts ("-" for a separator).
inline std::string ReadMenu(HMENU menu, std::vector<std::string>& items) {
    std::string line = "menu:";
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        items.push_back(separator ? "-" : text);
        line += (i ? "|" : "") + items.back() + ((info.fState & MFS_DEFAULT) ? "*" : "") +
                ((info.fState & MFS_GRAYED) && !separator ? "~" : "");
    }
    return line;
}

// A right-click in the middle of the row's left part, as the mouse gives it.
inline void PostRightClick(HWND list, int row) {
    const RECT r = RowRect(list, row);
    const LPARAM at = MAKELPARAM(r.left + 10, (r.top + r.bottom) / 2);
    PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(list, WM_RBUTTONUP, 0, at);
}

inline void PostKey(HWND w, WPARAM key) {
    PostMessageA(w, WM_KEYDOWN, key, 1);
    PostMessageA(w, WM_KEYUP, key, 0xC0000001);
}

// Chooses an item as the keyboard does: Down from no selection reaches the first item that
// is no separator, each further Down the next one, Enter takes it.
inline void ChooseByKeys(HWND menuWindow, const std::vector<std::string>& items,
                         const std::string& choose) {
    int downs = 0;
    bool found = false;
    for (const std::string& item : items) {
        if (item == "-") continue;
        ++downs;
        if (item == choose) {
            found = true;
            break;
        }
    }
    if (!found) {
        ADD_FAILURE() << "no menu item " << choose;
        return PostKey(menuWindow, VK_ESCAPE);
    }
    for (int i = 0; i < downs; ++i) PostKey(menuWindow, VK_DOWN);
    PostKey(menuWindow, VK_RETURN);
}

class Script {
public:
    explicit Script(ModalDriver& modal) : modal_(modal) {}

    void Then(Step step) {
        modal_.AnswerNextModal([this, step](HWND w) { Answer(w, step); }, IsProgramModal);
    }

    const std::vector<std::string>& Log() const { return log_; }

private:
    void Answer(HWND w, const Step& step) {
        if (IsMenuWindow(w)) {
            std::vector<std::string> items;
            const auto menu = reinterpret_cast<HMENU>(SendMessageA(w, MN_GETHMENU, 0, 0));
            log_.push_back(ReadMenu(menu, items));
            if (step.choose.empty()) return PostKey(w, VK_ESCAPE);
            return ChooseByKeys(w, items, step.choose);
        }
        if (ClassOf(w) == "#32770") {
            log_.push_back("box:" + ReadMessageBox(w).text);
            return PressDialogButton(w, step.button);
        }
        log_.push_back("window:" + TextOf(w));
        PostMessageA(w, WM_CLOSE, 0, 0);
    }

    ModalDriver& modal_;
    std::vector<std::string> log_;
};

}  // namespace menu_test
