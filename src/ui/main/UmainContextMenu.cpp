// The context menus of the file-type list and the extension list, and Copy Name. Every item
// runs the command its button or key runs, with the same checks and messages.

#include <windows.h>
#include <windowsx.h>

#include <string>

#include "base/Exception.h"
#include "ui/system/Clipboard.h"
#include "registry/ClassesView.h"
#include "ui/window/Gdi.h"
#include "ui/controls/ListBox.h"
#include "ui/window/Messages.h"
#include "ui/main/Umain.h"

namespace {

struct MenuItem {
    int id;  // 0 for a separator
    const char* text;
};

constexpr MenuItem kTypeMenu[] = {
    {IDC_BTNCHANGEICON, "Properties"},
    {IDM_ACTIONS, "Actions..."},
    {IDC_BTNDELFILETYPE, "Delete File Type"},
    {0, nullptr},
    {IDM_EXPLORERVIEWTYPE, "Explorer's view..."},
    {IDM_EXPORTTYPE, "Export..."},
    {0, nullptr},
    {IDM_COPYTYPENAME, "Copy Name"},
};

constexpr MenuItem kExtMenu[] = {
    {IDC_BTNDELEXT, "Delete Extension"}, {0, nullptr}, {IDM_EXPLORERVIEWEXT, "Explorer's view..."},
    {IDM_EXPORTEXT, "Export..."},        {0, nullptr}, {IDM_COPYEXTNAME, "Copy Name"},
};

template <size_t N>
UniqueMenu buildMenu(const MenuItem (&items)[N]) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) throw Exception("The context menu cannot be created");
    for (const MenuItem& item : items)
        AppendMenuA(menu.get(), item.id ? MF_STRING : MF_SEPARATOR, item.id, item.text);
    return menu;
}

// A menu item's text shows "&" as it is, not as the mark of an access key.
std::string menuText(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '&' ? std::string("&&") : std::string(1, c);
    return out;
}

// Undo and Redo at the end of both menus, naming the change they act on; greyed when there is
// none.
void appendHistoryItems(HMENU menu, const ChangeHistory& history) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    const bool undo = history.CanUndo(), redo = history.CanRedo();
    AppendMenuA(menu, MF_STRING | (undo ? 0 : MF_GRAYED), IDM_UNDO,
                menuText(undo ? "Undo " + history.UndoTitle().Quoted() : "Undo").c_str());
    AppendMenuA(menu, MF_STRING | (redo ? 0 : MF_GRAYED), IDM_REDO,
                menuText(redo ? "Redo " + history.RedoTitle().Quoted() : "Redo").c_str());
}

// Where a menu opened from the keyboard stands: below the list's selected row, or at the
// list's top left corner without one.
POINT keyboardMenuPoint(HWND list) {
    RECT r{0, 0, 0, 0};
    const int row = selectedRow(list);
    if (row < 0 || SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r)) == LB_ERR)
        r = RECT{0, 0, 0, 0};
    POINT pt{r.left + 8, r.bottom};
    ClientToScreen(list, &pt);
    return pt;
}

}  // namespace

void TfrmMain::ListContextMenu(HWND list, LPARAM at) {
    if (list != lb && list != lbExt) return;
    POINT pt{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (pt.x == -1 && pt.y == -1) {
        pt = keyboardMenuPoint(list);
    } else {
        POINT client = pt;
        ScreenToClient(list, &client);
        const int row = rowAt(list, client);
        if (row < 0) return;
        SetFocus(list);
        selectRow(list, row);
        if (list == lb) lbClick();
    }
    const UniqueMenu menu = list == lb ? buildMenu(kTypeMenu) : buildMenu(kExtMenu);
    if (list == lb) SetMenuDefaultItem(menu.get(), IDC_BTNCHANGEICON, FALSE);
    appendHistoryItems(menu.get(), FHistory);
    // Last: the restart as administrator, greyed in a run that may write the machine's part
    // already.
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
    const bool elevated = ClassesView().MachineTakes(SetText("", "", ""));
    AppendMenuA(menu.get(), MF_STRING | (elevated ? MF_GRAYED : 0), IDM_RESTARTADMIN,
                "Restart as Administrator");
    const int id = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, pt.x,
                                  pt.y, 0, Handle(), nullptr);
    if (id != 0) Command(id, BN_CLICKED);
}

bool TfrmMain::Selected(ViewOf of, Selection& selection) {
    if (of == ViewOf::Extension) {
        const int row = selectedRow(lbExt);
        if (row < 0) {
            PlainMessage(Handle(), "Select an Extension first!");
            return false;
        }
        selection.name = rowText(lbExt, row);
        selection.extensions = {selection.name};
        return true;
    }
    const TEntry* entry = Catalogue().Entry(selectedRow(lb));
    if (!entry) {
        PlainMessage(Handle(), "Select a File Type first!");
        return false;
    }
    selection.name = entry->Name;
    for (const TExt* ext = entry->FirstExt; ext; ext = ext->NextInType)
        selection.extensions.push_back(ext->Name);
    return true;
}

void TfrmMain::CopyNameClick(ViewOf of) {
    Selection selected;
    if (Selected(of, selected)) CopyTextToClipboard(Handle(), selected.name);
}
