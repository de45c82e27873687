// The drawing of a file-type row, looked at in pixels: the window is asked to draw a row into
// a memory surface exactly as the list asks it (WM_DRAWITEM).

#include "IconSetColours.h"
#include "ui/MainWindowHarness.h"
#include "icons/IconExtract.h"
#include "support/OwnerDraw.h"
#include "support/TestData.h"
#include "ui/window/Gdi.h"

namespace {

constexpr int kWidth = 301;
constexpr int kHeight = 36;

// A surface of one row, filled with a colour no drawing uses.
struct RowSurface : Pixels {
    RowSurface() : Pixels(kWidth, kHeight, kUnpainted) {}
};

// The bounding box of the pixels that differ from background in columns [x0, x1).
RECT inkBox(const RowSurface& s, COLORREF background, int x0, int x1) {
    RECT box{kWidth, kHeight, -1, -1};
    for (int y = 0; y < kHeight; ++y)
        for (int x = x0; x < x1; ++x)
            if (s.at(x, y) != background) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

class RowDrawing : public MainWindowTest {
protected:
    void SetUp() override {
        icons_ = TestDataPath("icons10.dll");
        RegisterType(".aaa", "BlueType", "Blue files", (icons_ + ",2").c_str());
        RegisterType(".bbb", "BlankType", "Blank files", "C:\\Missing\\nothing.dll,0");
        Start();
        font_ = reinterpret_cast<HFONT>(SendMessageA(lb(), WM_GETFONT, 0, 0));
    }

    void Draw(const RowSurface& s, int row, UINT state) { DrawListRow(lb(), row, s, state); }

    // Where the row's text would appear drawn alone at (x, y) in the list's font.
    RECT TextAlone(const std::string& text, int x, int y) {
        RowSurface s;
        SelectGuard font(s.dc(), font_);
        SetBkMode(s.dc(), TRANSPARENT);
        SetTextColor(s.dc(), RGB(0, 0, 0));
        TextOutA(s.dc(), x, y, text.c_str(), static_cast<int>(text.size()));
        return inkBox(s, kUnpainted, 0, kWidth);
    }

    int LineHeight() {
        RowSurface s;
        SelectGuard font(s.dc(), font_);
        SIZE size{};
        GetTextExtentPoint32A(s.dc(), "Wg", 2, &size);
        return size.cy;
    }

    std::string icons_;
    HFONT font_ = nullptr;
};

TEST_F(RowDrawing, ListFontHasLinesThirteenPixelsHigh) {
    EXPECT_EQ(LineHeight(), 13);
}

TEST_F(RowDrawing, WholeRowIsFilledWithTheWindowColour) {
    RowSurface s;
    Draw(s, 0, 0);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(s.at(0, 0), window);
    EXPECT_EQ(s.at(kWidth - 1, kHeight - 1), window);
    EXPECT_EQ(s.at(38, 35), window);
}

TEST_F(RowDrawing, IconSitsTwoPixelsInAtItsNaturalSize) {
    RowSurface s;
    Draw(s, 0, 0);
    const IconSetColour blue = IconSetColourOf(2);
    const COLORREF icon = RGB(blue.r, blue.g, blue.b);
    EXPECT_EQ(s.at(2, 2), icon);
    EXPECT_EQ(s.at(33, 33), icon);
    EXPECT_EQ(s.at(18, 18), icon);
    EXPECT_NE(s.at(1, 2), icon);
    EXPECT_NE(s.at(2, 1), icon);
    EXPECT_NE(s.at(34, 33), icon);
    EXPECT_NE(s.at(33, 34), icon);
}

TEST_F(RowDrawing, TextStartsFortyPixelsInAndCentredOnTheRow) {
    RowSurface s;
    Draw(s, 0, 0);
    const int y = (36 - LineHeight()) / 2;
    const RECT drawn = inkBox(s, GetSysColor(COLOR_WINDOW), 36, kWidth);
    const RECT expected = TextAlone("Blue files (BlueType)", 40, y);
    EXPECT_EQ(drawn.left, expected.left);
    EXPECT_EQ(drawn.top, expected.top);
    EXPECT_EQ(drawn.right, expected.right);
    EXPECT_EQ(drawn.bottom, expected.bottom);
}

TEST_F(RowDrawing, WithThirteenPixelLinesTheTextBeginsElevenPixelsDown) {
    ASSERT_EQ(LineHeight(), 13);
    RowSurface s;
    Draw(s, 0, 0);
    const RECT drawn = inkBox(s, GetSysColor(COLOR_WINDOW), 36, kWidth);
    EXPECT_EQ(drawn.top, TextAlone("Blue files (BlueType)", 40, 11).top);
    EXPECT_EQ(drawn.left, TextAlone("Blue files (BlueType)", 40, 11).left);
}

TEST_F(RowDrawing, TextIsInWindowTextColour) {
    RowSurface s;
    Draw(s, 0, 0);
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    int found = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 40; x < kWidth; ++x) found += s.at(x, y) == text;
    EXPECT_GT(found, 20);
}

TEST_F(RowDrawing, SelectedRowUsesTheHighlightColours) {
    RowSurface s;
    Draw(s, 0, ODS_SELECTED);
    const COLORREF back = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF text = GetSysColor(COLOR_HIGHLIGHTTEXT);
    EXPECT_EQ(s.at(0, 0), back);
    EXPECT_EQ(s.at(kWidth - 1, kHeight - 1), back);
    int textPixels = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 40; x < kWidth; ++x) textPixels += s.at(x, y) == text;
    EXPECT_GT(textPixels, 20);
}

TEST_F(RowDrawing, TypeWhoseIconHasNoImageShowsOnlyItsText) {
    ASSERT_TRUE(Catalogue().Entry(1)->Icon.empty());
    RowSurface s;
    Draw(s, 1, 0);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(s.at(x, y), window) << x << "," << y;
    const RECT drawn = inkBox(s, window, 0, kWidth);
    EXPECT_EQ(drawn.left, TextAlone("Blank files (BlankType)", 40, 0).left);
}

TEST_F(RowDrawing, RowTextIsTheTextStoredInTheList) {
    setRowText(lb(), 1, "Changed (Row)");
    RowSurface s;
    Draw(s, 1, 0);
    const RECT drawn = inkBox(s, GetSysColor(COLOR_WINDOW), 36, kWidth);
    const RECT expected = TextAlone("Changed (Row)", 40, (36 - LineHeight()) / 2);
    EXPECT_EQ(drawn.right, expected.right);
}

TEST_F(RowDrawing, FocusedRowGetsAFocusRectangleOverItsEdge) {
    RowSurface plain, focused;
    Draw(plain, 1, 0);
    Draw(focused, 1, ODS_FOCUS);
    int edgeChanged = 0;
    for (int x = 0; x < kWidth; ++x) edgeChanged += plain.at(x, 0) != focused.at(x, 0);
    EXPECT_GT(edgeChanged, kWidth / 4);
    // Inside the edge the row is the same.
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = 1; x < kWidth - 1; ++x) ASSERT_EQ(plain.at(x, y), focused.at(x, y));
}

TEST_F(RowDrawing, EmptyListWithFocusPaintsOnlyItsBackgroundAndFocusRectangle) {
    RowSurface s;
    Draw(s, -1, ODS_FOCUS);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    for (int y = 1; y < kHeight - 1; ++y)
        for (int x = 1; x < kWidth - 1; ++x) ASSERT_EQ(s.at(x, y), window);
    int edge = 0;
    for (int x = 0; x < kWidth; ++x) edge += s.at(x, 0) != window;
    EXPECT_GT(edge, kWidth / 4);
}

TEST_F(RowDrawing, DrawingLeavesTheDeviceContextAsItCame) {
    RowSurface s;
    HGDIOBJ font = GetCurrentObject(s.dc(), OBJ_FONT);
    HGDIOBJ brush = GetCurrentObject(s.dc(), OBJ_BRUSH);
    const COLORREF text = GetTextColor(s.dc());
    const COLORREF back = GetBkColor(s.dc());
    Draw(s, 0, ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_FONT), font);
    EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GetTextColor(s.dc()), text);
    EXPECT_EQ(GetBkColor(s.dc()), back);
}

// Rows beyond the twelve in sight, whose icons were not extracted when the window opened.
class RowDrawnOnDemand : public RowDrawing {
protected:
    void SetUp() override {
        icons_ = TestDataPath("icons10.dll");
        for (int k = 0; k < 12; ++k)
            RegisterType(".r" + std::to_string(10 + k), "Shown" + std::to_string(10 + k), "Shown",
                         (icons_ + "," + std::to_string(k % 10)).c_str());
        RegisterType(".s1", "Later.Library", "Library icon", (icons_ + ",5").c_str());
        RegisterType(".s2", "Later.Fallback", "No icon location");
        RegisterType(".s3", "Later.Missing", "Missing file", "C:\\Missing\\nothing.dll,0");
        Start();
    }
    // The row's icon area as the icon extracted at once draws it: window colour, the icon at
    // (2, 2) at its natural size.
    static void DrawReference(const RowSurface& s, HICON icon) {
        RECT all{0, 0, kWidth, kHeight};
        FillRect(s.dc(), &all, GetSysColorBrush(COLOR_WINDOW));
        if (icon) DrawIcon(s.dc(), 2, 2, icon);
    }
};

TEST_F(RowDrawnOnDemand, ShowsThePixelsOfTheIconExtractedAtOnce) {
    const TIcon library = ExtractIconFrom(icons_, 5);
    const TIcon fallback = ExtractIconAt(OwnExecutablePath(), 1);
    ASSERT_FALSE(library.empty());
    ASSERT_FALSE(fallback.empty());
    const struct {
        const char* type;
        HICON reference;
    } cases[] = {{"Later.Library", static_cast<HICON>(library.get())},
                 {"Later.Fallback", static_cast<HICON>(fallback.get())},
                 {"Later.Missing", nullptr}};
    for (const auto& c : cases) {
        const int row = RowOfType(c.type);
        ASSERT_GE(row, 12) << c.type << " is in sight";
        EXPECT_NE(Catalogue().Entry(row)->IconPending, PendingIcon::None)
            << c.type << ": extracted before its row was drawn";
        RowSurface drawn, reference;
        Draw(drawn, row, 0);
        DrawReference(reference, c.reference);
        EXPECT_EQ(Catalogue().Entry(row)->IconPending, PendingIcon::None) << c.type;
        int differing = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < 40; ++x) differing += drawn.at(x, y) != reference.at(x, y);
        EXPECT_EQ(differing, 0) << c.type;
    }
    // The rows in sight were drawn when the window opened.
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(Catalogue().Entry(row)->IconPending, PendingIcon::None) << row;
}

}  // namespace
