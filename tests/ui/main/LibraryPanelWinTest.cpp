// The icon library panel: opening libraries through the real Open Library dialog, the grid's
// cells and pixels, the release of the previous library's icons, and the folder kept for the
// next opening.

#include <algorithm>
#include <vector>

#include "ui/LibraryHarness.h"

using library_test::ColourOfIcon;
using library_test::IconAlive;

namespace {

std::vector<HICON> handlesOf(TfrmMain& form) {
    std::vector<HICON> handles;
    for (int i = 0; i < form.Inspect().libraryIconCount; ++i)
        handles.push_back(form.LibraryIcon(static_cast<size_t>(i)));
    return handles;
}

std::string withoutTrailingBackslash(const std::string& folder) {
    return folder.substr(0, folder.size() - 1);
}

}  // namespace

class LibraryOpening : public LibraryPanelTest {
protected:
    void SetUp() override { Start(); }
};

TEST_F(LibraryOpening, TenIconsOfADllFillTenCellsInFileOrder) {
    OpenLibrary(TestDataPath("icons10.dll"));
    ASSERT_EQ(rowCount(lbLib()), 10);
    EXPECT_EQ(form->Inspect().libraryIconCount, 10);
    EXPECT_FALSE(form->Inspect().libraryEmpty);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(rowText(lbLib(), i), " ") << i;
        EXPECT_EQ(CellPixel(i, 2 + 16, 2 + 16), ColourOfIcon(i)) << "cell " << i;
    }
}

TEST_F(LibraryOpening, SixteenBitIconLibraryShowsItsIconsInOrder) {
    OpenLibrary(TestDataPath("icons10.icl"));
    ASSERT_EQ(rowCount(lbLib()), 10);
    EXPECT_FALSE(form->Inspect().libraryEmpty);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(CellPixel(i, 2 + 16, 2 + 16), ColourOfIcon(i)) << "cell " << i;
}

TEST_F(LibraryOpening, SingleIconFileGivesOneCell) {
    OpenLibrary(TestDataPath("single.ico"));
    ASSERT_EQ(rowCount(lbLib()), 1);
    EXPECT_EQ(form->Inspect().libraryIconCount, 1);
    EXPECT_EQ(CellPixel(0, 10, 10), RGB(0x20, 0xA0, 0x40));
}

TEST_F(LibraryOpening, FirstCellIsSelectedAfterOpening) {
    OpenLibrary(TestDataPath("icons10.dll"));
    EXPECT_EQ(selectedRow(lbLib()), 0);
}

TEST_F(LibraryOpening, LibraryOfFifteenHundredIconsFillsExactly1024Cells) {
    OpenLibrary(TestDataPath("icons1500.dll"));
    ASSERT_EQ(rowCount(lbLib()), 1024);
    EXPECT_EQ(form->Inspect().libraryIconCount, 1024);
    EXPECT_NE(LibIcon(1023), nullptr);
    EXPECT_EQ(CellPixel(1023, 18, 18), ColourOfIcon(1023));
    EXPECT_EQ(CellPixel(512, 18, 18), ColourOfIcon(512));
}

TEST_F(LibraryOpening, FolderOfTheLibraryBecomesTheDefaultFolder) {
    const std::string dll = TestDataPath("icons10.dll");
    OpenLibrary(dll);
    EXPECT_EQ(form->Inspect().defaultDir, FolderPart(dll));
    EXPECT_EQ(form->Inspect().defaultDir.back(), '\\');
}

TEST_F(LibraryOpening, NextOpeningStartsInTheDefaultFolderWithTheLastName) {
    const std::string dll = TestDataPath("icons10.dll");
    OpenLibrary(dll);
    const SeenFileDialog seen = CancelLibrary();
    EXPECT_EQ(seen.folder, withoutTrailingBackslash(FolderPart(dll)));
    EXPECT_EQ(seen.fileName, "icons10.dll");
}

TEST_F(LibraryOpening, DialogStartsInTheDefaultFolderEvenAfterAFileElsewhere) {
    // A file without icons leaves the default folder as it was; so does the next start.
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string elsewhere = std::string(temp) + "kestrune-no-such-library.icl";
    const std::string dll = TestDataPath("icons10.dll");
    OpenLibrary(dll);
    OpenLibrary(elsewhere);
    const SeenFileDialog seen = CancelLibrary();
    EXPECT_EQ(seen.folder, withoutTrailingBackslash(FolderPart(dll)));
    EXPECT_EQ(seen.fileName, "kestrune-no-such-library.icl");
}

TEST_F(LibraryOpening, CancelKeepsGridSelectionAndDefaultFolder) {
    OpenLibrary(TestDataPath("icons10.dll"));
    selectRow(lbLib(), 4);
    const std::string folder = form->Inspect().defaultDir;
    const std::vector<HICON> before = handlesOf(*form);

    CancelLibrary();

    EXPECT_EQ(rowCount(lbLib()), 10);
    EXPECT_EQ(selectedRow(lbLib()), 4);
    EXPECT_EQ(form->Inspect().defaultDir, folder);
    EXPECT_FALSE(form->Inspect().libraryEmpty);
    EXPECT_EQ(handlesOf(*form), before);
    for (HICON h : before) EXPECT_TRUE(IconAlive(h));
}

TEST_F(LibraryOpening, CancelWithNoLibraryLeavesThePanelEmpty) {
    StoreDefaultDir("C:\\Icons\\");
    Start();
    CancelLibrary();
    EXPECT_TRUE(form->Inspect().libraryEmpty);
    EXPECT_EQ(rowCount(lbLib()), 0);
    EXPECT_EQ(form->Inspect().defaultDir, "C:\\Icons\\");
}

TEST_F(LibraryOpening, FileWithoutIconsEmptiesTheGridAndKeepsTheDefaultFolder) {
    OpenLibrary(TestDataPath("icons10.dll"));
    const std::vector<HICON> old = handlesOf(*form);
    // In another folder than the library before it.
    const std::string noIcons = TempFilePath("noicons", ".dll");
    ASSERT_TRUE(CopyFileA(TestDataPath("noicons.dll").c_str(), noIcons.c_str(), FALSE));

    OpenLibrary(noIcons);
    DeleteFileA(noIcons.c_str());

    EXPECT_EQ(rowCount(lbLib()), 0);
    EXPECT_EQ(form->Inspect().libraryIconCount, 0);
    EXPECT_TRUE(form->Inspect().libraryEmpty);
    EXPECT_EQ(form->Inspect().defaultDir, FolderPart(TestDataPath("icons10.dll")));
    for (HICON h : old) EXPECT_FALSE(IconAlive(h)) << "the old library's icons stay loaded";
}

TEST_F(LibraryOpening, NameThatDoesNotExistEmptiesTheGridAndKeepsTheDefaultFolder) {
    OpenLibrary(TestDataPath("icons10.icl"));
    // In another folder than the library before it.
    const std::string missing = TempFilePath("not-there", ".icl");

    OpenLibrary(missing);

    EXPECT_EQ(rowCount(lbLib()), 0);
    EXPECT_TRUE(form->Inspect().libraryEmpty);
    EXPECT_EQ(form->Inspect().defaultDir, FolderPart(TestDataPath("icons10.icl")));
    EXPECT_EQ(form->Inspect().libraryFile, missing);
}

TEST_F(LibraryOpening, SecondOpeningReleasesEveryIconOfTheFirst) {
    OpenLibrary(TestDataPath("icons10.dll"));
    const std::vector<HICON> first = handlesOf(*form);
    ASSERT_EQ(first.size(), 10u);
    for (HICON h : first) ASSERT_TRUE(IconAlive(h));

    OpenLibrary(TestDataPath("icons10.icl"));

    for (HICON h : first) EXPECT_FALSE(IconAlive(h));
    for (HICON h : handlesOf(*form)) EXPECT_TRUE(IconAlive(h));
    EXPECT_EQ(rowCount(lbLib()), 10);
}

TEST_F(LibraryOpening, SmallerSecondLibraryLeavesNoCellsOfTheFirst) {
    OpenLibrary(TestDataPath("icons10.dll"));
    OpenLibrary(TestDataPath("single.ico"));
    EXPECT_EQ(rowCount(lbLib()), 1);
    EXPECT_EQ(form->Inspect().libraryIconCount, 1);
    for (size_t i = 1; i < form->LibraryIcons().Capacity(); ++i)
        ASSERT_TRUE(form->LibraryIcons().Held(i).empty()) << "slot " << i;
}

TEST_F(LibraryOpening, MissingLibraryTypedWithoutExtensionLeavesTheGridEmpty) {
    // The file need not exist: the dialog returns the name (with or without the library
    // extension, as the platform's dialog decides) and the grid stays empty.
    OpenLibrary(TestDataPath("icons10.dll"));
    const std::string typed = TestDataPath("fresh-library");
    OpenLibrary(typed);
    EXPECT_EQ(form->Inspect().libraryFile.rfind(typed, 0), 0u) << form->Inspect().libraryFile;
    EXPECT_TRUE(form->Inspect().libraryEmpty);
    EXPECT_EQ(rowCount(lbLib()), 0);
}

TEST_F(LibraryOpening, ExistingLibraryIsFoundFromItsNameWithoutExtension) {
    const std::string icl = TestDataPath("icons10.icl");
    OpenLibrary(icl.substr(0, icl.size() - 4));
    EXPECT_EQ(_stricmp(form->Inspect().libraryFile.c_str(), icl.c_str()), 0)
        << form->Inspect().libraryFile;
    EXPECT_EQ(rowCount(lbLib()), 10);
}

class OpenLibraryDialog : public LibraryPanelTest {
protected:
    void SetUp() override { Start(); }
    // Picks entry of "Files of type" as the combo box does for a user's choice.
    static void ChooseFilter(HWND dialog, int entry) {
        HWND types = GetDlgItem(dialog, cmb1);
        SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, code),
                         reinterpret_cast<LPARAM>(types));
    }
};

TEST_F(OpenLibraryDialog, ShowsTitleFilterAndNoReadOnlyBoxAtTheFirstOpening) {
    const SeenFileDialog seen = CancelLibrary();
    EXPECT_EQ(seen.title, "Open Library");
    EXPECT_EQ(seen.filters,
              (std::vector<std::string>{"Icon Libraries (*.icl)", "Files with Icons (*.dll,*.exe)",
                                        "All Files (*.*)"}));
    EXPECT_EQ(seen.filter, 0);
    EXPECT_EQ(seen.fileName, "");
    EXPECT_FALSE(seen.readOnlyBoxShown);
}

TEST_F(OpenLibraryDialog, StartsInTheDefaultFolderWithoutItsTrailingBackslash) {
    const std::string dll = TestDataPath("icons10.dll");
    StoreDefaultDir(FolderPart(dll));
    Start();
    const SeenFileDialog seen = CancelLibrary();
    EXPECT_EQ(seen.folder, withoutTrailingBackslash(FolderPart(dll)));
}

TEST_F(OpenLibraryDialog, KeepsTheFilterChosenInTheLastConfirmedOpening) {
    AnswerLibraryDialog([&](HWND dialog) {
        ChooseFilter(dialog, 1);
        SetWindowTextA(library_test::FileNameEdit(dialog), TestDataPath("icons10.dll").c_str());
        PressDialogButton(dialog, IDOK);
    });
    EXPECT_EQ(form->Inspect().libraryFilterIndex, 2u);
    EXPECT_EQ(CancelLibrary().filter, 1);
}

TEST_F(OpenLibraryDialog, CancelledChoiceOfFilterIsNotKept) {
    AnswerLibraryDialog([&](HWND dialog) {
        ChooseFilter(dialog, 2);
        PressDialogButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(CancelLibrary().filter, 0);
}

class LibraryGrid : public LibraryPanelTest {
protected:
    void SetUp() override {
        Start();
        OpenLibrary(TestDataPath("icons1500.dll"));
    }
    RECT CellRect(int cell) { return RowRect(lbLib(), cell); }
    int CellsPerColumn() { return ClientRectOf(lbLib()).bottom / kRowHeight; }
};

TEST_F(LibraryGrid, CellsAre35PixelsWideAnd36High) {
    EXPECT_EQ(CellRect(0), RectAt(0, 0, 35, 36));
}

TEST_F(LibraryGrid, CellsFillAColumnDownwardsThenTheNextColumn) {
    const int perColumn = CellsPerColumn();
    ASSERT_GT(perColumn, 1);
    EXPECT_EQ(CellRect(1).top, 36);
    EXPECT_EQ(CellRect(1).left, 0);
    EXPECT_EQ(CellRect(perColumn).left, 35);
    EXPECT_EQ(CellRect(perColumn).top, 0);
    EXPECT_EQ(CellRect(6 * perColumn).left, 6 * 35);
}

TEST_F(LibraryGrid, GridScrollsSidewaysToCellsBeyondTheSeventhColumn) {
    const int perColumn = CellsPerColumn();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(GetScrollInfo(lbLib(), SB_HORZ, &info));
    EXPECT_GT(info.nMax, 0);
    selectRow(lbLib(), 1023);
    PumpMessages();
    const RECT last = CellRect(1023);
    EXPECT_GE(last.left, 0);
    EXPECT_LE(last.right, ClientRectOf(lbLib()).right);
    EXPECT_GT(static_cast<int>(SendMessageA(lbLib(), LB_GETTOPINDEX, 0, 0)), 7 * perColumn - 1);
}

TEST_F(LibraryGrid, IconSitsTwoPixelsInFromTheCellCorner) {
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF icon = ColourOfIcon(3);
    EXPECT_EQ(CellPixel(3, 1, 1), window);
    EXPECT_EQ(CellPixel(3, 2, 1), window);
    EXPECT_EQ(CellPixel(3, 1, 2), window);
    EXPECT_EQ(CellPixel(3, 2, 2), icon);
    EXPECT_EQ(CellPixel(3, 33, 33), icon);
    EXPECT_EQ(CellPixel(3, 34, 33), window);
    EXPECT_EQ(CellPixel(3, 33, 34), window);
}

TEST_F(LibraryGrid, SelectedCellIsFilledWithTheHighlightColour) {
    EXPECT_EQ(CellPixel(5, 0, 0, ODS_SELECTED), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(CellPixel(5, 34, 35, ODS_SELECTED), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(CellPixel(5, 18, 18, ODS_SELECTED), ColourOfIcon(5));
}

TEST_F(LibraryGrid, FocusedCellGetsAFocusRectangle) {
    const COLORREF plain = CellPixel(5, 0, 0, ODS_SELECTED);
    EXPECT_NE(CellPixel(5, 0, 0, ODS_SELECTED | ODS_FOCUS), plain);
    EXPECT_EQ(CellPixel(5, 18, 18, ODS_SELECTED | ODS_FOCUS), ColourOfIcon(5));
}

TEST_F(LibraryGrid, OnScreenTheCellsShowTheirIconsInColumns) {
    // Read back what the list painted in the window, cell by cell, for the first two columns.
    RedrawWindow(lbLib(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    const int perColumn = CellsPerColumn();
    // The seventh column is cut by the list's border: its far corner lies past the client edge.
    const RECT client = ClientRectOf(lbLib());
    HDC dc = GetDC(lbLib());
    for (int cell : {1, 2, perColumn, perColumn + 1, 6 * perColumn}) {
        const RECT r = CellRect(cell);
        const int farX = std::min<int>(r.left + 33, client.right - 1);
        EXPECT_EQ(GetPixel(dc, r.left + 2, r.top + 2), ColourOfIcon(cell)) << "cell " << cell;
        EXPECT_EQ(GetPixel(dc, farX, r.top + 33), ColourOfIcon(cell)) << "cell " << cell;
        EXPECT_EQ(GetPixel(dc, r.left + 1, r.top + 1), GetSysColor(COLOR_WINDOW)) << cell;
    }
    ReleaseDC(lbLib(), dc);
}

TEST_F(LibraryGrid, FirstAndLastCellsShowTheirIconsOnScreenWithOnlyTheCellsDrawnExtracted) {
    // The on-screen colour at the middle of a cell, once the grid has painted.
    auto onScreen = [&](int cell) {
        UpdateWindow(lbLib());
        const RECT r = CellRect(cell);
        HDC dc = GetDC(lbLib());
        const COLORREF c = GetPixel(dc, r.left + 18, r.top + 18);
        ReleaseDC(lbLib(), dc);
        return c;
    };
    EXPECT_EQ(onScreen(0), ColourOfIcon(0));
    const std::size_t firstScreen = form->LibraryIcons().ExtractedCount();
    EXPECT_GT(firstScreen, 0u);
    EXPECT_LE(firstScreen, static_cast<std::size_t>(visibleRowsEnd(lbLib())));

    SendMessageA(lbLib(), WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0), 0);
    EXPECT_EQ(onScreen(1023), ColourOfIcon(1023));
    EXPECT_TRUE(form->LibraryIcons().WasExtracted(1023));
    EXPECT_FALSE(form->LibraryIcons().WasExtracted(512)) << "a cell never in sight was extracted";
    EXPECT_LE(form->LibraryIcons().ExtractedCount(), 2 * firstScreen);

    SendMessageA(lbLib(), WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
    EXPECT_EQ(onScreen(0), ColourOfIcon(0));
    EXPECT_EQ(onScreen(firstScreen - 1), ColourOfIcon(static_cast<int>(firstScreen) - 1));
}
