// The icon library panel: opening a library into the grid lbLib, and drawing its cells.

#include <algorithm>
#include <string>

#include "icons/IconExtract.h"
#include "icons/LibraryIcons.h"
#include "ui/controls/ListBox.h"
#include "ui/main/Umain.h"

namespace {

constexpr const char* kCellText = " ";
constexpr int kIconInset = 2;  // the icon's offset from a cell's top-left corner

}  // namespace

void TfrmMain::btnOpenLibraryClick() {
    OpenLibDlg.InitialDir = FDefaultDir;
    if (!OpenLibDlg.Execute(Handle())) return;
    OpenLibraryFile(OpenLibDlg.FileName);
}

void TfrmMain::OpenLibraryFile(const std::string& path) {
    // The old library goes before the new file is looked at, whatever that file holds.
    FLibIcons.Clear();
    FLibEmpty = true;
    FLibIconCount = 0;
    libraryPath_.clear();
    clearRows(lbLib);

    const std::int32_t count = static_cast<std::int32_t>(
        std::min<unsigned>(CountIconsAt(path), static_cast<unsigned>(FLibIcons.Capacity())));
    if (count == 0) return;
    // Only the cells that are drawn have their icons extracted, a screen at a time.
    FLibIcons.Assign(static_cast<std::size_t>(count), IconRunsOf(path, Scaled(kIconSize)));
    FLibIconCount = count;
    libraryPath_ = path;

    // A thousand rows are added in one go and painted once.
    FDragTracker.Detached(lbLib, [&] {
        const RedrawPaused paused(lbLib);
        SendMessageA(lbLib, LB_INITSTORAGE, static_cast<WPARAM>(count), 2 * count);
        for (std::int32_t i = 0; i < count; ++i) addRow(lbLib, kCellText);
        selectRow(lbLib, 0);
    });
    FLibEmpty = false;
    FDefaultDir = FolderPart(path);
}

// The list has prepared the device context: the window colour's brush, or the highlight's for
// the selected cell; it draws the focus rectangle afterwards.
void TfrmMain::lbLibDrawItem(HDC dc, int index, const RECT& rect, UINT) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    if (index < 0 || index >= FLibIconCount) return;
    // A cell drawn for the first time brings the icons of the cells after it on the screen.
    const TIcon& icon = FLibIcons.Get(static_cast<std::size_t>(index), [this] {
        return static_cast<std::size_t>(visibleRowsEnd(lbLib));
    });
    const int size = Scaled(kIconSize);
    if (!icon.empty())
        DrawIconEx(dc, rect.left + Scaled(kIconInset), rect.top + Scaled(kIconInset),
                   static_cast<HICON>(icon.get()), size, size, 0, nullptr, DI_NORMAL);
}

HICON TfrmMain::LibraryIcon(int cell) {
    const auto slot = static_cast<std::size_t>(cell);
    return static_cast<HICON>(FLibIcons.Get(slot, [slot] { return slot + 1; }).get());
}
