// The main window's frame and the places of its controls.

#include "ui/MainWindowHarness.h"

#include <commctrl.h>
#include "ui/controls/ToolButton.h"

namespace {

using Layout = MainWindowTest;

struct Place {
    const char* name;
    int control;  // its id
    RECT rect;    // left, top, right, bottom
};

RECT at(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

const Place kPlaces[] = {
    {"lb", IDC_LB, at(4, 20, 305, 436)},
    {"lbExt", IDC_LBEXT, at(316, 19, 120, 238)},
    {"lbLib", IDC_LBLIB, at(442, 18, 243, 439)},
    {"btnAddExt", IDC_BTNADDEXT, at(316, 264, 40, 40)},
    {"btnDelExt", IDC_BTNDELEXT, at(356, 264, 40, 40)},
    {"btnFindExt", IDC_BTNFINDEXT, at(396, 264, 40, 40)},
    {"btnAddFileType", IDC_BTNADDFILETYPE, at(316, 312, 40, 40)},
    {"btnDelFileType", IDC_BTNDELFILETYPE, at(356, 312, 40, 40)},
    {"btnChangeIcon", IDC_BTNCHANGEICON, at(396, 312, 40, 40)},
    {"btnHelp", IDC_BTNHELP, at(316, 360, 40, 40)},
    {"btnInfo", IDC_BTNINFO, at(356, 360, 40, 40)},
    {"btnOpenLibrary", IDC_BTNOPENLIBRARY, at(396, 360, 40, 40)},
    {"Image1", IDC_IMAGE1, at(316, 408, 120, 48)},
};

struct LabelPlace {
    int control;  // its id
    int left, top;
    const char* text;
};

const LabelPlace kLabels[] = {
    {IDC_LABEL2, 4, 4, "Registered File Types:"}, {IDC_LABEL1, 316, 4, "Extensions:"},
    {IDC_LABEL5, 444, 4, "Icon Library:"},        {IDC_LABEL3, 4, 460, "Icon Filename:"},
    {IDC_LABEL4, 4, 476, "Icon Offset:"},         {IDC_LBLICONNAME, 76, 460, "..."},
    {IDC_LBLICONOFFSET, 76, 476, "..."},
};

struct Hint {
    int button;  // its id
    const char* text;
};

const Hint kHints[] = {
    {IDC_BTNADDEXT, "Add Extension"},
    {IDC_BTNDELEXT, "Delete Extension"},
    {IDC_BTNFINDEXT, "Find Extension"},
    {IDC_BTNADDFILETYPE, "Add File Type"},
    {IDC_BTNDELFILETYPE, "Delete File Type"},
    {IDC_BTNCHANGEICON, "File Type Properties"},
    {IDC_BTNHELP, "Quick Help"},
    {IDC_BTNINFO, "About"},
    {IDC_BTNOPENLIBRARY, "Open Library"},
};

TEST_F(Layout, ClientAreaIs690By492) {
    TfrmMain& main = Start();
    EXPECT_EQ(ClientRectOf(main.Handle()).right, 690);
    EXPECT_EQ(ClientRectOf(main.Handle()).bottom, 492);
}

TEST_F(Layout, FixedSingleBorderWithSystemMenuAndMinimiseBoxOnly) {
    TfrmMain& main = Start();
    const LONG style = GetWindowLongA(main.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(GetMenu(main.Handle()), nullptr);
}

TEST_F(Layout, CaptionIsTheVersionedName) {
    TfrmMain& main = Start();
    EXPECT_EQ(Caption(main.Handle()), "Kestrune v1.1");
}

TEST_F(Layout, WindowIconIsTheMainIcon) {
    TfrmMain& main = Start();
    const auto classIcon = reinterpret_cast<HICON>(GetClassLongPtrA(main.Handle(), GCLP_HICON));
    EXPECT_EQ(classIcon, LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
    EXPECT_NE(classIcon, nullptr);
}

TEST_F(Layout, ControlsSitAtTheirRectangles) {
    TfrmMain& main = Start();
    for (const Place& p : kPlaces) {
        const RECT r = PlaceOf(ControlOf(main.Handle(), p.control));
        EXPECT_EQ(r.left, p.rect.left) << p.name;
        EXPECT_EQ(r.top, p.rect.top) << p.name;
        EXPECT_EQ(r.right, p.rect.right) << p.name;
        EXPECT_EQ(r.bottom, p.rect.bottom) << p.name;
    }
}

TEST_F(Layout, LabelsSitAtTheirPlacesOneLineHighAndAsWideAsTheirText) {
    TfrmMain& main = Start();
    for (const LabelPlace& l : kLabels) {
        HWND label = ControlOf(main.Handle(), l.control);
        EXPECT_EQ(Caption(label), l.text);
        const RECT r = PlaceOf(label);
        EXPECT_EQ(r.left, l.left) << l.text;
        EXPECT_EQ(r.top, l.top) << l.text;
        EXPECT_EQ(r.bottom - r.top, 13) << l.text;
        EXPECT_EQ(r.right - r.left, TextWidth(l.text)) << l.text;
    }
}

TEST_F(Layout, FontIsEightPointSansSerif) {
    TfrmMain& main = Start();
    const auto font =
        reinterpret_cast<HFONT>(SendMessageA(ControlOf(main.Handle(), IDC_LB), WM_GETFONT, 0, 0));
    LOGFONTA lf{};
    ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
}

TEST_F(Layout, FileTypeListShowsTwelveWholeRows) {
    for (int i = 0; i < 13; ++i)
        RegisterType(".e" + std::to_string(i), "Type" + std::to_string(i), "Files");
    TfrmMain& main = Start();
    ASSERT_EQ(rowCount(ControlOf(main.Handle(), IDC_LB)), 13);

    const RECT client = ClientRectOf(ControlOf(main.Handle(), IDC_LB));
    EXPECT_EQ(SendMessageA(ControlOf(main.Handle(), IDC_LB), LB_GETITEMHEIGHT, 0, 0), 36);
    EXPECT_EQ(client.bottom % 36, 0);
    EXPECT_EQ(client.bottom / 36, 12);
    // The thirteenth row lies below the visible ones until the list scrolls.
    EXPECT_EQ(RowRect(ControlOf(main.Handle(), IDC_LB), 12).top, client.bottom);
}

TEST_F(Layout, FileTypeListIsOwnerDrawnWithStoredTextsUnsortedSingleSelection) {
    TfrmMain& main = Start();
    const LONG style = GetWindowLongA(ControlOf(main.Handle(), IDC_LB), GWL_STYLE);
    EXPECT_TRUE(style & LBS_OWNERDRAWFIXED);
    EXPECT_TRUE(style & LBS_HASSTRINGS);
    EXPECT_TRUE(style & LBS_NOTIFY);
    EXPECT_FALSE(style & LBS_SORT);
    EXPECT_FALSE(style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
    EXPECT_FALSE(style & LBS_NOINTEGRALHEIGHT);
}

TEST_F(Layout, ExtensionListHasPlainRowsOfThirteenPixels) {
    TfrmMain& main = Start();
    const LONG style = GetWindowLongA(ControlOf(main.Handle(), IDC_LBEXT), GWL_STYLE);
    EXPECT_FALSE(style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE | LBS_SORT));
    EXPECT_EQ(SendMessageA(ControlOf(main.Handle(), IDC_LBEXT), LB_GETITEMHEIGHT, 0, 0), 13);
}

TEST_F(Layout, LibraryGridHasSevenColumnsOf35PixelsAndRowsOf36) {
    TfrmMain& main = Start();
    EXPECT_TRUE(GetWindowLongA(ControlOf(main.Handle(), IDC_LBLIB), GWL_STYLE) & LBS_MULTICOLUMN);
    for (int i = 0; i < 30; ++i) addRow(ControlOf(main.Handle(), IDC_LBLIB), " ");
    const int perColumn = ClientRectOf(ControlOf(main.Handle(), IDC_LBLIB)).bottom / 36;
    ASSERT_GT(perColumn, 0);
    const RECT first = RowRect(ControlOf(main.Handle(), IDC_LBLIB), 0),
               nextColumn = RowRect(ControlOf(main.Handle(), IDC_LBLIB), perColumn);
    EXPECT_EQ(first.right - first.left, 35);
    EXPECT_EQ(first.bottom - first.top, 36);
    EXPECT_EQ(nextColumn.left, 35);
    EXPECT_EQ(nextColumn.top, 0);
}

TEST_F(Layout, TabOrderRunsThroughTheThreeLists) {
    TfrmMain& main = Start();
    HWND first = GetNextDlgTabItem(main.Handle(), nullptr, FALSE);
    EXPECT_EQ(first, ControlOf(main.Handle(), IDC_LB));
    EXPECT_EQ(GetNextDlgTabItem(main.Handle(), ControlOf(main.Handle(), IDC_LB), FALSE),
              ControlOf(main.Handle(), IDC_LBEXT));
    EXPECT_EQ(GetNextDlgTabItem(main.Handle(), ControlOf(main.Handle(), IDC_LBEXT), FALSE),
              ControlOf(main.Handle(), IDC_LBLIB));
    EXPECT_EQ(GetNextDlgTabItem(main.Handle(), ControlOf(main.Handle(), IDC_LBLIB), FALSE),
              ControlOf(main.Handle(), IDC_LB));
}

TEST_F(Layout, EveryToolButtonShowsItsHint) {
    TfrmMain& main = Start();
    // The tooltip window that shows the hints.
    const HWND hints = ThreadWindowOfClass(TOOLTIPS_CLASSA);
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(SendMessageA(hints, TTM_GETTOOLCOUNT, 0, 0), 9);
    for (const Hint& h : kHints) {
        char text[80] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = main.Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(ControlOf(main.Handle(), h.button));
        tool.lpszText = text;
        SendMessageA(hints, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, h.text);
    }
}

TEST_F(Layout, EveryToolButtonHasA32By32GlyphAndNoCaption) {
    TfrmMain& main = Start();
    for (const Hint& h : kHints) {
        HWND button = ControlOf(main.Handle(), h.button);
        EXPECT_EQ(Caption(button), h.text);  // its name for screen readers, not drawn
        EXPECT_FALSE(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP) << h.text;
        BITMAP glyph{};
        ASSERT_TRUE(GetObjectA(
            reinterpret_cast<HBITMAP>(SendMessageA(button, BM_GETIMAGE, IMAGE_BITMAP, 0)),
            sizeof glyph, &glyph))
            << h.text;
        EXPECT_EQ(glyph.bmWidth, 32) << h.text;
        EXPECT_EQ(glyph.bmHeight, 32) << h.text;
    }
}

TEST_F(Layout, IconLabelsAreDarkGreenAndTheOthersWindowText) {
    TfrmMain& main = Start();
    HDC dc = CreateCompatibleDC(nullptr);
    for (HWND label :
         {ControlOf(main.Handle(), IDC_LBLICONNAME), ControlOf(main.Handle(), IDC_LBLICONOFFSET)}) {
        SendMessageA(main.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(GetTextColor(dc), RGB(0, 64, 0));
    }
    SendMessageA(main.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(ControlOf(main.Handle(), IDC_LABEL3)));
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    DeleteDC(dc);
}

TEST_F(Layout, PictureShowsTheButtonFaceWhereItIsTransparent) {
    TfrmMain& main = Start();
    const auto picture = reinterpret_cast<HBITMAP>(
        SendMessageA(ControlOf(main.Handle(), IDC_IMAGE1), STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(picture, nullptr);
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(picture, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 120);
    EXPECT_EQ(info.bmHeight, 48);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture);
    EXPECT_EQ(GetPixel(dc, 0, 47), GetSysColor(COLOR_BTNFACE));
    EXPECT_NE(GetPixel(dc, 0, 47), RGB(255, 0, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
}

}  // namespace
