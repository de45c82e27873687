// The icon grid of the properties dialog: ten columns to the grid's width, recomputed when the
// dialog is resized, 36-pixel cells filled down a column first, and the drawing of one cell
// (icon centred sideways, 2 pixels below the top, highlight when selected).

#include "ui/PropertiesHarness.h"

using library_test::ColourOfIcon;

namespace {

class PropertiesGrid : public ::testing::Test {
protected:
    PropertiesGrid() { dialog.Create(); }

    // Shows the dialog on file and runs look while it is open, then cancels it.
    void WhileShown(const std::string& file, std::int32_t index,
                    const std::function<void(TfrmProperties&)>& look) {
        ModalDriver modal;
        PropertiesUser user(modal, dialog);
        PropertiesAnswer answer;
        answer.onOpen = look;
        answer.button = IDCANCEL;
        user.Answer(answer);
        dialog.Edit({"D", "T", file, index, false, ""});
        PumpMessages();
        EXPECT_TRUE(user.Seen().shown);
    }

    static RECT CellRect(const TfrmProperties& d, int cell) {
        return RowRect(ControlOf(d.Handle(), TfrmProperties::IDC_LB), cell);
    }
    static int GridWidth(const TfrmProperties& d) {
        RECT r;
        GetWindowRect(ControlOf(d.Handle(), TfrmProperties::IDC_LB), &r);
        return r.right - r.left;
    }

    // Cell drawn by the dialog into a memory surface of width x 36, with the given state.
    static COLORREF CellPixel(TfrmProperties& d, int cell, int width, int x, int y,
                              UINT state = 0) {
        Pixels s(width, kIconCellHeight, kUnpainted);
        DrawListRow(ControlOf(d.Handle(), TfrmProperties::IDC_LB), cell, s, state);
        return s.at(x, y);
    }

    // Resizes the dialog so that its client area is width x height.
    void ResizeClient(int width, int height) {
        RECT client, outer;
        GetClientRect(dialog.Handle(), &client);
        GetWindowRect(dialog.Handle(), &outer);
        SetWindowPos(dialog.Handle(), nullptr, 0, 0,
                     (outer.right - outer.left) + width - client.right,
                     (outer.bottom - outer.top) + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    TfrmProperties dialog;
};

}  // namespace

TEST(IconGridGeometry, ColumnWidthIsTheGridWidthPlusSevenDividedByTen) {
    EXPECT_EQ(IconGridColumnWidth(369), 37);
    EXPECT_EQ(IconGridColumnWidth(363), 37);
    EXPECT_EQ(IconGridColumnWidth(362), 36);
    EXPECT_EQ(IconGridColumnWidth(500), 50);
    EXPECT_EQ(IconGridColumnWidth(0), 0);
}

TEST(IconGridGeometry, IconIsCentredInTheCellWithTheOddPixelToTheRight) {
    EXPECT_EQ(IconLeftInCell(0, 37), 2);
    EXPECT_EQ(IconLeftInCell(0, 36), 2);
    EXPECT_EQ(IconLeftInCell(74, 37), 76);
    EXPECT_EQ(IconLeftInCell(0, 50), 9);
    EXPECT_EQ(IconLeftInCell(0, 32), 0);
    EXPECT_EQ(IconLeftInCell(10, 31), 10);  // truncated toward zero
}

TEST_F(PropertiesGrid, CellsAre37PixelsWideAnd36HighAtTheDesignedSize) {
    RECT first{};
    WhileShown(TestDataPath("icons1500.dll"), 0,
               [&](TfrmProperties& d) { first = CellRect(d, 0); });
    EXPECT_EQ(first, RectAt(0, 0, 37, 36));
}

TEST_F(PropertiesGrid, CellsRunDownAColumnThenOnToTheNext) {
    RECT second{}, nextColumn{};
    int perColumn = 0;
    WhileShown(TestDataPath("icons1500.dll"), 0, [&](TfrmProperties& d) {
        perColumn =
            ClientRectOf(ControlOf(d.Handle(), TfrmProperties::IDC_LB)).bottom / kIconCellHeight;
        second = CellRect(d, 1);
        nextColumn = CellRect(d, perColumn);
    });
    ASSERT_GT(perColumn, 1);
    EXPECT_EQ(second.left, 0);
    EXPECT_EQ(second.top, 36);
    EXPECT_EQ(nextColumn.left, 37);
    EXPECT_EQ(nextColumn.top, 0);
}

TEST_F(PropertiesGrid, GridScrollsSidewaysWhenTheColumnsDoNotFit) {
    BOOL hasRange = FALSE;
    int top = 0;
    WhileShown(TestDataPath("icons1500.dll"), 255, [&](TfrmProperties& d) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE;
        hasRange = GetScrollInfo(ControlOf(d.Handle(), TfrmProperties::IDC_LB), SB_HORZ, &info) &&
                   info.nMax > 0;
        top = static_cast<int>(
            SendMessageA(ControlOf(d.Handle(), TfrmProperties::IDC_LB), LB_GETTOPINDEX, 0, 0));
    });
    EXPECT_TRUE(hasRange);
    EXPECT_GT(top, 0) << "the selected last cell is scrolled into view";
}

TEST_F(PropertiesGrid, ResizingRecomputesTheColumnWidthFromTheNewGridWidth) {
    int width = 0, gridWidth = 0;
    RECT grid{}, panel2{};
    WhileShown(TestDataPath("icons1500.dll"), 0, [&](TfrmProperties& d) {
        ResizeClient(500, 400);
        gridWidth = GridWidth(d);
        const RECT cell = CellRect(d, 0);
        width = cell.right - cell.left;
        grid = PlaceIn(ControlOf(d.Handle(), TfrmProperties::IDC_LB), d.Handle());
        panel2 = PlaceIn(ControlOf(d.Handle(), TfrmProperties::IDC_PANEL2), d.Handle());
    });
    EXPECT_EQ(gridWidth, 500);
    EXPECT_EQ(width, 50);
    EXPECT_EQ(grid.top, 89);
    EXPECT_EQ(grid.bottom, 400 - 33);
    EXPECT_EQ(panel2.top, 400 - 33);
    EXPECT_EQ(panel2.right, 500);
}

TEST_F(PropertiesGrid, ShrinkingRecomputesTheColumnWidthToo) {
    int width = 0;
    WhileShown(TestDataPath("icons1500.dll"), 0, [&](TfrmProperties& d) {
        ResizeClient(250, 270);
        const RECT cell = CellRect(d, 0);
        width = cell.right - cell.left;
    });
    EXPECT_EQ(width, 25);
}

TEST_F(PropertiesGrid, IconIsDrawnCentredSidewaysAndTwoPixelsBelowTheTop) {
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    std::vector<COLORREF> px;
    WhileShown(TestDataPath("icons10.dll"), 0, [&](TfrmProperties& d) {
        // In a 37-pixel cell the icon starts at (37 - 32) / 2 = 2.
        px = {CellPixel(d, 3, 37, 1, 10),  CellPixel(d, 3, 37, 2, 10), CellPixel(d, 3, 37, 33, 10),
              CellPixel(d, 3, 37, 34, 10), CellPixel(d, 3, 37, 10, 1), CellPixel(d, 3, 37, 10, 2),
              CellPixel(d, 3, 37, 10, 33), CellPixel(d, 3, 37, 10, 34)};
    });
    ASSERT_EQ(px.size(), 8u);
    EXPECT_EQ(px[0], window);
    EXPECT_EQ(px[1], ColourOfIcon(3));
    EXPECT_EQ(px[2], ColourOfIcon(3));
    EXPECT_EQ(px[3], window);
    EXPECT_EQ(px[4], window);
    EXPECT_EQ(px[5], ColourOfIcon(3));
    EXPECT_EQ(px[6], ColourOfIcon(3));
    EXPECT_EQ(px[7], window);
}

TEST_F(PropertiesGrid, InAWiderCellTheIconMovesToStayCentred) {
    COLORREF before = 0, first = 0, last = 0, after = 0;
    WhileShown(TestDataPath("icons10.dll"), 0, [&](TfrmProperties& d) {
        // (50 - 32) / 2 = 9: columns 9 to 40 hold the icon.
        before = CellPixel(d, 1, 50, 8, 10);
        first = CellPixel(d, 1, 50, 9, 10);
        last = CellPixel(d, 1, 50, 40, 10);
        after = CellPixel(d, 1, 50, 41, 10);
    });
    EXPECT_EQ(before, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(first, ColourOfIcon(1));
    EXPECT_EQ(last, ColourOfIcon(1));
    EXPECT_EQ(after, GetSysColor(COLOR_WINDOW));
}

TEST_F(PropertiesGrid, SelectedCellIsFilledWithTheHighlightColour) {
    COLORREF corner = 0, icon = 0, plain = 0;
    WhileShown(TestDataPath("icons10.dll"), 0, [&](TfrmProperties& d) {
        corner = CellPixel(d, 5, 37, 0, 0, ODS_SELECTED);
        icon = CellPixel(d, 5, 37, 18, 18, ODS_SELECTED);
        plain = CellPixel(d, 5, 37, 0, 0);
    });
    EXPECT_EQ(corner, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(icon, ColourOfIcon(5));
    EXPECT_EQ(plain, GetSysColor(COLOR_WINDOW));
}

TEST_F(PropertiesGrid, FocusedCellGetsAFocusRectangle) {
    COLORREF plain = 0, focused = 0;
    WhileShown(TestDataPath("icons10.dll"), 0, [&](TfrmProperties& d) {
        plain = CellPixel(d, 2, 37, 0, 0, ODS_SELECTED);
        focused = CellPixel(d, 2, 37, 0, 0, ODS_SELECTED | ODS_FOCUS);
    });
    EXPECT_NE(focused, plain);
}

TEST_F(PropertiesGrid, OnScreenTheGridShowsTheIconsOfTheFileInColumns) {
    std::vector<std::pair<int, COLORREF>> seen;
    WhileShown(TestDataPath("icons10.dll"), 9, [&](TfrmProperties& d) {
        RedrawWindow(ControlOf(d.Handle(), TfrmProperties::IDC_LB), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(ControlOf(d.Handle(), TfrmProperties::IDC_LB));
        for (int cell : {0, 1, 2, 3, 4}) {
            const RECT r = CellRect(d, cell);
            seen.emplace_back(cell, GetPixel(dc, r.left + 2 + 16, r.top + 2 + 16));
        }
        ReleaseDC(ControlOf(d.Handle(), TfrmProperties::IDC_LB), dc);
    });
    for (const auto& [cell, colour] : seen) EXPECT_EQ(colour, ColourOfIcon(cell)) << cell;
}
