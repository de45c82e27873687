// The icon grid of the properties dialog: filling it from the icon file, emptying it, drawing
// its cells, and browsing for another icon file.

#include <algorithm>

#include "icons/IconExtract.h"
#include "icons/LibraryIcons.h"
#include "ui/system/FileDialog.h"
#include "ui/controls/ListBox.h"
#include "ui/dialogs/UProperties.h"

namespace {

constexpr int kIconTop = 2;

}  // namespace

void TfrmProperties::LoadIcons() {
    // A location's path may be quoted or hold %VARIABLES%: the extraction takes it resolved.
    std::string path = ExtractionPath(IconFile());
    IconCount = CountIconsAt(path);
    if (IconCount == 0) {
        // A missing file, one without icons, or none at all: the program's own icons, so that
        // OK always hands back a real icon file. Its path is a real file name, taken as it is.
        path = OwnExecutablePath();
        SetWindowTextA(Edit4, path.c_str());
        IconCount = CountIconsAt(path);
        SelectedIconIndex = 0;
    }
    const int cells = static_cast<int>(std::min<unsigned>(IconCount, kIconGridSlots));
    // Only the cells that are drawn have their icons extracted, a screen at a time.
    FIcons.Assign(static_cast<std::size_t>(cells), IconRunsOf(path, Scaled(kIconSize)));
    iconPath_ = path;
    const RedrawPaused paused(lb);
    for (int i = 0; i < cells; ++i) addRow(lb, " ");
    // Selecting in code is no choice of the user's: an index outside the grid selects nothing
    // and is kept, so OK hands it back unchanged.
    const bool inGrid = SelectedIconIndex >= 0 && SelectedIconIndex < cells;
    selectRow(lb, inGrid ? SelectedIconIndex : -1);
}

void TfrmProperties::ClearIcons() {
    clearRows(lb);
    FIcons.Clear();
}

void TfrmProperties::lbDrawItem(HDC dc, int index, const RECT& rect, UINT) {
    // The brush is the highlight for the selected cell and the window colour for the others.
    PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
    if (index < 0 || index >= kIconGridSlots) return;
    // A cell drawn for the first time brings the icons of the cells after it on the screen.
    const TIcon& icon = FIcons.Get(static_cast<size_t>(index),
                                   [this] { return static_cast<size_t>(visibleRowsEnd(lb)); });
    if (icon.empty()) return;
    const int size = Scaled(kIconSize);
    DrawIconEx(dc, IconLeftInCell(rect.left, rect.right - rect.left, size),
               rect.top + Scaled(kIconTop), static_cast<HICON>(icon.get()), size, size, 0, nullptr,
               DI_NORMAL);
}

HICON TfrmProperties::GridIcon(int cell) {
    const auto slot = static_cast<std::size_t>(cell);
    return static_cast<HICON>(FIcons.Get(slot, [slot] { return slot + 1; }).get());
}

void TfrmProperties::lbClick() {
    const int row = selectedRow(lb);
    if (row < 0) return;
    SelectedIconIndex = row;
    FIconChosen = true;
}

void TfrmProperties::lbDblClick() {
    btnOkClick();
}

void TfrmProperties::btnBrowseClick() {
    OpenDialog.FileName = IconFile();
    if (!OpenDialog.Execute(Handle())) return;
    OpenDialog.InitialDir = FolderPart(OpenDialog.FileName);
    SetWindowTextA(Edit4, OpenDialog.FileName.c_str());
    SelectedIconIndex = 0;
    FIconChosen = true;
    ClearIcons();
    LoadIcons();
}
