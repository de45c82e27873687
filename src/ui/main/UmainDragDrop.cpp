// Drag and drop onto the file-type list: a library cell gives a type its icon, an extension
// moves to another type.

#include <string>

#include "catalogue/Schema.h"
#include "icons/IconExtract.h"
#include "ui/controls/ListBox.h"
#include "ui/window/Messages.h"
#include "ui/main/Umain.h"

namespace {

constexpr const char* kSameTypeMessage = "This extension already belongs to this file type!";

bool isListControl(HWND w) {
    char name[16] = {};
    GetClassNameA(w, name, sizeof name);
    return _stricmp(name, "ListBox") == 0;
}

}  // namespace

// The dragged library cell becomes the icon of the type in row target.
void TfrmMain::DropLibraryIcon(int target) {
    TEntry* entry = Catalogue().Entry(target);
    const int cell = selectedRow(lbLib);
    if (!entry || cell < 0) return;
    ClassesPlan plan;
    WriteTypeKeys(plan, entry->Name, entry->Description, OpenLibDlg.FileName, cell);
    MakeChange({"Change Icon", {entry->Name}}, plan, [&] {
        entry->IconFile = OpenLibDlg.FileName;
        entry->IconIndex = cell;
        // The entry's icon from its new location, at once; the old one is released. (The
        // catalogue's own LoadIcon cannot be named here: windows.h makes every LoadIcon a
        // LoadIconA.)
        Catalogue().SetIcon(target,
                            ExtractIconFrom(entry->IconFile, entry->IconIndex, Scaled(kIconSize)));
        // The picture and the labels follow the entry at once, so that even a failing write
        // below leaves nothing on screen that differs from what the entry now holds.
        InvalidateRect(lb, nullptr, TRUE);
        if (target == selectedRow(lb)) {
            SetLabelCaption(lblIconName, entry->IconFile);
            SetLabelCaption(lblIconOffset, std::to_string(entry->IconIndex));
        }
    });
}

// The extension selected in lbExt leaves the selected type for the type in row target.
void TfrmMain::MoveExtension(int target) {
    const int source = selectedRow(lb);
    if (target == source) return PlainMessage(Handle(), kSameTypeMessage);
    const int row = selectedRow(lbExt);
    const TEntry* owner = Catalogue().Entry(target);
    if (source < 0 || row < 0 || !owner) return;
    const std::string ext = rowText(lbExt, row);
    const bool moved = MakeChange({"Move Extension", {ext, owner->Name}},
                                  {SetText(ext, kDefaultValue, owner->Name)}, [&] {
                                      Catalogue().RemoveExt(source, ext);
                                      Catalogue().AppendExt(target, ext);
                                  });
    if (!moved) return;
    lbClick();
    InvalidateRect(lb, nullptr, TRUE);
    UpdateWindow(lb);
}

void TfrmMain::AttachDragAndDrop() {
    DragHandlers handlers;
    handlers.started = [this](HWND source) {
        if (source == lbLib) lbLibStartDrag();
        if (source == lbExt) lbExtStartDrag();
    };
    handlers.over = [this](HWND source, HWND target, POINT) {
        return target == lb && lbDragOver(source);
    };
    handlers.dropped = [this](HWND, HWND target, POINT pt) {
        if (target == lb) lbDragDrop(pt.x, pt.y);
    };
    FDragTracker.SetHandlers(std::move(handlers));
    FDragTracker.Attach(lbLib);
    FDragTracker.Attach(lbExt);
}

void TfrmMain::lbLibStartDrag() {
    FDragFromLib = true;
}

void TfrmMain::lbExtStartDrag() {
    FDragFromLib = false;
}

bool TfrmMain::lbDragOver(HWND source) {
    if (!isListControl(source)) return false;
    return FDragFromLib ? !FLibEmpty : selectedRow(lbExt) >= 0;
}

void TfrmMain::lbDragDrop(int x, int y) {
    const int target = rowAt(lb, POINT{x, y});
    if (target < 0) return;
    if (FDragFromLib)
        DropLibraryIcon(target);
    else
        MoveExtension(target);
}
