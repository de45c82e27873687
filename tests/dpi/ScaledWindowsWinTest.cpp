// The windows at 144 DPI (this program runs through AtDpi.cmake): every designed length is one
// and a half times as long, fonts and icons are made at that size, and nothing overlaps or is
// cut. Moved to a screen of 200 %, the main window takes the system's rectangle and remakes its
// rows and icons at twice their size.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/DpiScale.h"
#include "support/TestData.h"
#include "ui/MainWindowHarness.h"
#include "ui/dialogs/UAbout.h"
#include "ui/dialogs/UActions.h"
#include "ui/dialogs/UEditAction.h"
#include "ui/dialogs/UAddExt.h"
#include "ui/dialogs/UExplorerView.h"
#include "ui/dialogs/UHelp.h"
#include "ui/dialogs/UProperties.h"
#include "ui/window/Dpi.h"

namespace {

// The width of a bitmap, or of an icon as its handle holds it, when it is square; else -1.
int Side(HBITMAP bitmap, bool iconMask = false) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return -1;
    // An icon without colour bitmap holds both halves of its mask, one above the other.
    return info.bmWidth == info.bmHeight / (iconMask ? 2 : 1) ? info.bmWidth : -1;
}

int Side(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return -1;
    const int side = Side(info.hbmMask, !info.hbmColor);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return side;
}

// Visible sibling controls that overlap, and labels whose one line of text is cut, among the
// children of parent and theirs. The owner-drawn label windows of Quick Help and About only
// carry the text the form paints beneath them, and may lie under its button.
void CollectFaults(HWND parent, std::vector<std::string>& faults) {
    std::vector<HWND> shown;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const bool label = _stricmp(ClassOf(c).c_str(), "Static") == 0;
        const LONG type = GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK;
        if (!IsWindowVisible(c) || (label && type == SS_OWNERDRAW)) continue;
        const SIZE text = TextSize(c, TextOf(c));
        const RECT box = ClientRectOf(c);
        if (label && (type == SS_LEFT || type == SS_LEFTNOWORDWRAP) &&
            (text.cx > box.right || text.cy > box.bottom))
            faults.push_back(TextOf(c) + " is cut");
        for (HWND other : shown) {
            RECT a = PlaceInParent(c), b = PlaceInParent(other), both{};
            if (IntersectRect(&both, &a, &b))
                faults.push_back(TextOf(c) + " overlaps " + TextOf(other));
        }
        shown.push_back(c);
        CollectFaults(c, faults);
    }
}

std::vector<std::string> LayoutFaults(HWND window) {
    std::vector<std::string> faults;
    CollectFaults(window, faults);
    return faults;
}

class ScaledWindowsTest : public MainWindowTest {
protected:
    void SetUp() override { ASSERT_EQ(SystemDpi(), 144u) << "run through AtDpi.cmake at 144"; }

    // A type with an icon of the test library and one without an icon location; the library.
    void StartWithIcons() {
        RegisterType(".dpa", "dpafile", "Library icon",
                     (TestDataPath("icons10.dll") + ",3").c_str());
        RegisterType(".dpb", "dpbfile", "No icon");
        Start();
        form->OpenLibraryFile(TestDataPath("icons10.dll"));
        PumpMessages();
    }
    // Rows and cells of side pixels, the rows', the library's and the tool buttons' pictures
    // icon pixels square.
    void ExpectRowsAndIcons(int side, int cellWidth, int icon) {
        for (HWND list : {lb(), lbLib()})
            EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), side);
        EXPECT_EQ(RowRect(lbLib(), 0), RectAt(0, 0, cellWidth, side));
        for (const char* type : {"dpafile", "dpbfile"})
            EXPECT_EQ(Side(static_cast<HICON>(Catalogue().RowIcon(RowOfType(type)).get())), icon)
                << type;
        EXPECT_EQ(Side(form->LibraryIcon(0)), icon);
        const LRESULT glyph = SendMessageA(Control(IDC_BTNADDEXT), BM_GETIMAGE, IMAGE_BITMAP, 0);
        EXPECT_EQ(Side(reinterpret_cast<HBITMAP>(glyph)), icon);
    }
};

TEST_F(ScaledWindowsTest, EveryWindowIsItsDesignTimesOneAndAHalfWithNothingOverlappedOrCut) {
    Start();
    TfrmAddExt addExt;
    TfrmProperties properties;
    TfrmAbout about;
    TfrmHelp help;
    TfrmExplorerView explorer;
    TfrmActions actions;
    TfrmEditAction editAction;
    addExt.Create();
    actions.Create(form->Handle());
    editAction.Create(actions.Handle());
    properties.Create();
    about.Create();
    help.Create();
    explorer.Create();
    const struct {
        HWND window;
        int width, height;  // designed, of the client area
    } windows[] = {{form->Handle(), 690, 492},      {addExt.Handle(), 164, 79},
                   {properties.Handle(), 369, 270}, {about.Handle(), 193, 268},
                   {help.Handle(), 377, 235},       {explorer.Handle(), 720, 400},
                   {actions.Handle(), 620, 280},    {editAction.Handle(), 520, 316}};
    for (const auto& w : windows) {
        EXPECT_EQ(ClientRectOf(w.window),
                  RectAt(0, 0, ScaleLength(w.width, 144), ScaleLength(w.height, 144)))
            << TextOf(w.window);
        EXPECT_EQ(LayoutFaults(w.window), std::vector<std::string>{}) << TextOf(w.window);
    }
    const HWND grid = ControlOf(properties.Handle(), TfrmProperties::IDC_LB);
    EXPECT_EQ(SendMessageA(grid, LB_GETITEMHEIGHT, 0, 0), 54);
}

TEST_F(ScaledWindowsTest, RowsCellsAndIconsAreMadeAtOneAndAHalfTimesTheirSize) {
    StartWithIcons();
    ExpectRowsAndIcons(54, 53, 48);
}

TEST_F(ScaledWindowsTest, MovedToAScreenOf200PercentTheMainWindowTakesTheSystemsRectangle) {
    StartWithIcons();
    RECT frame{}, client = ClientRectOf(form->Handle());
    GetWindowRect(form->Handle(), &frame);
    const RECT suggested =
        RectAt(frame.left + 20, frame.top + 10, frame.right - frame.left - client.right + 1380,
               frame.bottom - frame.top - client.bottom + 984);
    SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&suggested));
    PumpMessages();

    GetWindowRect(form->Handle(), &frame);
    EXPECT_EQ(frame, suggested);
    EXPECT_EQ(ClientRectOf(form->Handle()), RectAt(0, 0, 1380, 984));
    ExpectRowsAndIcons(72, 70, 64);
    EXPECT_EQ(LayoutFaults(form->Handle()), std::vector<std::string>{});
}

}  // namespace
