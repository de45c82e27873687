// Drag and drop onto the file-type list, driven by mouse and key messages that go where the
// system sends them: to the list holding the mouse capture, or else to the window under the
// point, in that window's client coordinates; keys to the window with the focus. Library cells
// give a type its icon; extensions move to another type.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "ui/LibraryHarness.h"
#include "ui/MouseDrag.h"
#include "ui/ScriptTexts.h"

using library_test::ColourOfIcon;

namespace {

constexpr const char* kDocType = "Kestrune.Document.1";
constexpr const char* kTextType = "TXTFile";
constexpr const char* kLoneType = "Kestrune.Lone";

std::vector<std::string> typeChain(int slot) {
    std::vector<std::string> names;
    for (const TExt* p = Catalogue().Entry(slot)->FirstExt; p; p = p->NextInType)
        names.push_back(p->Name);
    return names;
}

std::vector<std::string> allChain() {
    std::vector<std::string> names;
    for (const TExt* p = Catalogue().ExtHead; p; p = p->Next) names.push_back(p->Name);
    return names;
}

std::optional<std::string> text(const std::string& path) {
    return rawreg::GetText(HKEY_CLASSES_ROOT, path, "");
}

HCURSOR systemCursor(LPCSTR id) {
    return LoadCursorA(nullptr, id);
}

}  // namespace

class DragDrop : public LibraryPanelTest, protected MouseDrag {
protected:
    void SetUp() override {
        RegisterType(".doc", kDocType, "Document", "\"C:\\Program Files\\Doc Tool\\doc.exe\",-3");
        rawreg::PutText(HKEY_CLASSES_ROOT, ".doc", "Content Type", "application/msword");
        rawreg::MakeKey(HKEY_CLASSES_ROOT, ".doc\\OpenWithProgids");
        RegisterType(".AbC", kDocType, "Document");
        RegisterType(".TxT", kTextType, "Plain Text");
        rawreg::Put(HKEY_CLASSES_ROOT, std::string(kTextType) + "\\DefaultIcon", "", REG_EXPAND_SZ,
                    rawreg::Bytes("%SystemRoot%\\system32\\shell32.dll,-152"));
        RegisterType(".one", kLoneType, "Only One", "C:\\Icons\\lone.ico,0");
        Start();
        doc = RowOfType(kDocType);
        txt = RowOfType(kTextType);
        lone = RowOfType(kLoneType);
        ASSERT_GE(doc, 0);
        ASSERT_GE(txt, 0);
        ASSERT_GE(lone, 0);
        SetCursor(systemCursor(IDC_ARROW));
    }

    POINT OverType(int row) const { return RowPoint(lb(), row); }

    // The colour row of lb shows at (x, y) of the row, as the window draws it.
    COLORREF TypePixel(int row, int x, int y) {
        Pixels s(305, kRowHeight, kUnpainted);
        DrawListRow(lb(), row, s);
        return s.at(x, y);
    }

    bool Refusing() const { return GetCursor() == systemCursor(IDC_NO); }
    bool Accepting() const {
        const HCURSOR c = GetCursor();
        return c && c != systemCursor(IDC_NO) && c != systemCursor(IDC_ARROW);
    }

    int doc = -1, txt = -1, lone = -1;
};

// The registry of the three types and their extensions, and the catalogue's chains.
struct Snapshot {
    std::vector<std::optional<std::string>> values;
    std::vector<std::string> all;
    std::vector<std::vector<std::string>> types;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot() {
    Snapshot s;
    for (const char* path : {".doc", ".AbC", ".TxT", ".one", kDocType, kTextType, kLoneType,
                             "Kestrune.Document.1\\DefaultIcon", "TXTFile\\DefaultIcon",
                             "Kestrune.Lone\\DefaultIcon", ""})
        s.values.push_back(text(path));
    s.all = allChain();
    for (int i = 0; i < Catalogue().EntryCount; ++i) s.types.push_back(typeChain(i));
    return s;
}

class LibraryDrop : public DragDrop {
protected:
    void SetUp() override {
        DragDrop::SetUp();
        OpenLibrary(TestDataPath("icons10.dll"));
        ASSERT_FALSE(form->Inspect().libraryEmpty);
    }
};

TEST_F(LibraryDrop, CellDroppedOnATypeNotSelectedGivesItTheIconAndLeavesTheSelectionAlone) {
    SelectRow(doc);
    selectRow(lbExt(), 1);
    rawreg::PutText(HKEY_CLASSES_ROOT, kTextType, "", "stale description");
    const std::vector<std::string> exts = Rows(lbExt());
    const std::string iconName = Caption(lblIconName());

    Drag(lbLib(), 7, OverType(txt));

    const std::string dll = TestDataPath("icons10.dll");
    // Stored expandable, it stays so.
    EXPECT_TRUE(rawreg::HasValue(HKEY_CLASSES_ROOT, "TXTFile\\DefaultIcon", "", REG_EXPAND_SZ));
    EXPECT_EQ(text("TXTFile\\DefaultIcon"), dll + ",7");
    EXPECT_EQ(text(kTextType), "Plain Text");
    EXPECT_EQ(Catalogue().Entry(txt)->IconFile, dll);
    EXPECT_EQ(Catalogue().Entry(txt)->IconIndex, 7);
    EXPECT_EQ(TypePixel(txt, 2 + 16, 2 + 16), ColourOfIcon(7));
    EXPECT_EQ(selectedRow(lbLib()), 7);
    EXPECT_EQ(selectedRow(lb()), doc);
    EXPECT_EQ(Rows(lbExt()), exts);
    EXPECT_EQ(selectedRow(lbExt()), 1);
    EXPECT_EQ(Caption(lblIconName()), iconName);
    EXPECT_EQ(Caption(lblIconOffset()), "-3");
    EXPECT_EQ(text("Kestrune.Document.1\\DefaultIcon"),
              "\"C:\\Program Files\\Doc Tool\\doc.exe\",-3");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(LibraryDrop, CellDroppedOnTheSelectedTypeShowsItsNewLocationAtOnce) {
    SelectRow(txt);
    Drag(lbLib(), 7, OverType(txt));
    EXPECT_EQ(Caption(lblIconName()), TestDataPath("icons10.dll"));
    EXPECT_EQ(Caption(lblIconOffset()), "7");
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".TxT"});
    EXPECT_EQ(selectedRow(lb()), txt);
}

TEST_F(DragDrop, CellNeverDrawnBeforeItIsPressedGivesItsIndexToTheType) {
    const std::string dll = TestDataPath("icons1500.dll");
    OpenLibrary(dll);
    ASSERT_EQ(form->Inspect().libraryIconCount, 1024);
    // The grid scrolls to cell 700 without painting it: nothing has drawn it before the press.
    SendMessageA(lbLib(), LB_SETTOPINDEX, 700, 0);
    ASSERT_FALSE(form->LibraryIcons().WasExtracted(700));

    Drag(lbLib(), 700, OverType(txt));

    EXPECT_EQ(text("TXTFile\\DefaultIcon"), dll + ",700");
    EXPECT_EQ(Catalogue().Entry(txt)->IconIndex, 700);
    EXPECT_EQ(TypePixel(txt, 2 + 16, 2 + 16), ColourOfIcon(700));
}

TEST_F(LibraryDrop, MovementUnderFivePixelsDoesNotShowTheDrag) {
    const POINT cell = RowPoint(lbLib(), 3);
    Press(lbLib(), cell);
    EXPECT_EQ(selectedRow(lbLib()), 3);
    EXPECT_EQ(GetCapture(), lbLib());
    EXPECT_TRUE(form->Inspect().dragFromLibrary);
    for (const POINT d : {POINT{4, 0}, POINT{0, 4}, POINT{4, 4}, POINT{-4, -4}, POINT{0, 0}}) {
        MoveTo(POINT{cell.x + d.x, cell.y + d.y});
        EXPECT_FALSE(form->Inspect().dragVisible) << d.x << "," << d.y;
        EXPECT_EQ(GetCursor(), systemCursor(IDC_ARROW)) << d.x << "," << d.y;
    }
    Release();
    EXPECT_EQ(GetCapture(), nullptr);

    // Five pixels across or down shows it; the grid itself takes no drop.
    for (const POINT d : {POINT{5, 0}, POINT{0, -5}}) {
        Press(lbLib(), cell);
        MoveTo(POINT{cell.x + d.x, cell.y + d.y});
        EXPECT_TRUE(form->Inspect().dragVisible) << d.x << "," << d.y;
        EXPECT_TRUE(Refusing());
        Release();
    }
}

TEST_F(LibraryDrop, EscapeEndsTheDragWithNothingDropped) {
    const Snapshot before = snapshot();
    Press(lbLib(), RowPoint(lbLib(), 7));
    MoveTo(OverType(txt));
    ASSERT_TRUE(Accepting());
    SendMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(form->Inspect().dragVisible);
    EXPECT_EQ(GetCursor(), systemCursor(IDC_ARROW));
    Release();
    EXPECT_EQ(snapshot(), before);
    EXPECT_NE(Catalogue().Entry(txt)->IconIndex, 7);
}

TEST_F(LibraryDrop, ReleaseOutsideTheTypeListDropsNothing) {
    const Snapshot before = snapshot();
    const RECT ext = PlaceOf(lbExt());
    const RECT types = PlaceOf(lb());
    // Over the extension list, and over the window between the two lists.
    const POINT places[] = {RowPoint(lbExt(), 0),
                            OnScreen(form->Handle(), POINT{(types.right + ext.left) / 2, 100})};
    for (const POINT place : places) {
        Press(lbLib(), RowPoint(lbLib(), 7));
        MoveTo(OverType(txt));
        EXPECT_TRUE(Accepting());
        MoveTo(place);
        EXPECT_TRUE(Refusing());
        Release();
        EXPECT_EQ(GetCapture(), nullptr);
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(LibraryDrop, ReleaseBelowTheLastTypeDropsNothingThoughTheListAccepted) {
    SelectRow(doc);
    const Snapshot before = snapshot();
    const RECT client = ClientRectOf(lb());
    const POINT below = OnScreen(lb(), POINT{100, client.bottom - 10});
    ASSERT_GT(client.bottom - 10, rowCount(lb()) * kRowHeight);

    Press(lbLib(), RowPoint(lbLib(), 7));
    MoveTo(below);
    EXPECT_TRUE(Accepting());
    Release();
    Press(lbExt(), RowPoint(lbExt(), 0));
    MoveTo(below);
    EXPECT_TRUE(Accepting());
    Release();

    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".AbC", ".doc"}));
}

TEST_F(DragDrop, GridWithoutIconsRefusesEveryDrag) {
    // Before any library, and after a file without icons replaced one.
    const Snapshot before = snapshot();
    for (const bool replaced : {false, true}) {
        if (replaced) {
            OpenLibrary(TestDataPath("icons10.dll"));
            OpenLibrary(TestDataPath("noicons.dll"));
        }
        ASSERT_TRUE(form->Inspect().libraryEmpty);
        Press(lbLib(), OnScreen(lbLib(), POINT{20, 20}));
        EXPECT_TRUE(form->Inspect().dragFromLibrary);
        MoveTo(OverType(txt));
        EXPECT_TRUE(Refusing()) << replaced;
        Release();
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(Catalogue().Entry(txt)->IconFile, "%SystemRoot%\\system32\\shell32.dll");
}

TEST_F(DragDrop, ExtensionMovesToTheTypeItIsDroppedOn) {
    SelectRow(doc);
    ASSERT_EQ(Rows(lbExt()), (std::vector<std::string>{".AbC", ".doc"}));
    const int rows = rowCount(lb());

    Drag(lbExt(), 1, OverType(txt));

    EXPECT_EQ(text(".doc"), kTextType);
    EXPECT_EQ(rawreg::GetText(HKEY_CLASSES_ROOT, ".doc", "Content Type"), "application/msword");
    EXPECT_EQ(rawreg::Subkeys(HKEY_CLASSES_ROOT, ".doc"),
              std::vector<std::string>{"OpenWithProgids"});
    EXPECT_EQ(text(kDocType), "Document");
    EXPECT_EQ(text(kTextType), "Plain Text");
    EXPECT_EQ(text(".AbC"), kDocType);

    EXPECT_EQ(typeChain(doc), std::vector<std::string>{".AbC"});
    EXPECT_EQ(typeChain(txt), (std::vector<std::string>{".TxT", ".doc"}));
    const std::vector<std::string> all = allChain();
    EXPECT_EQ(all.back(), ".doc");
    EXPECT_EQ(std::count(all.begin(), all.end(), ".doc"), 1);
    EXPECT_EQ(Catalogue().FindExt(".DOC"), txt);

    EXPECT_EQ(selectedRow(lb()), doc);
    EXPECT_EQ(Rows(lbExt()), std::vector<std::string>{".AbC"});
    EXPECT_EQ(selectedRow(lbExt()), 0);
    EXPECT_EQ(Caption(lblIconOffset()), "-3");
    EXPECT_EQ(rowCount(lb()), rows);
    SelectRow(txt);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".TxT", ".doc"}));
}

TEST_F(DragDrop, ExtensionDroppedOnItsOwnTypeIsRefusedWithAMessage) {
    SelectRow(doc);
    const Snapshot before = snapshot();
    ModalDriver modal;
    modal.ExpectMessageBox("This extension already belongs to this file type!");
    Drag(lbExt(), 0, OverType(doc));
    EXPECT_EQ(modal.Pending(), 0u);
    ASSERT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(modal.MessageBoxes()[0].caption, "Kestrune");
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(Rows(lbExt()), (std::vector<std::string>{".AbC", ".doc"}));
}

TEST_F(DragDrop, TypeLeftWithoutExtensionsStaysAndItsEmptyListRefusesToDrag) {
    SelectRow(lone);
    const std::string label = rowText(lb(), lone);
    Drag(lbExt(), 0, OverType(doc));
    EXPECT_EQ(text(".one"), kDocType);
    EXPECT_EQ(rowText(lb(), lone), label);
    EXPECT_EQ(selectedRow(lb()), lone);
    EXPECT_EQ(rowCount(lbExt()), 0);
    EXPECT_EQ(Caption(lblIconName()), "C:\\Icons\\lone.ico");

    // Nothing to drag now: refused over another type and over its own (no message either).
    const Snapshot before = snapshot();
    ModalDriver modal;
    for (const int target : {txt, lone}) {
        Press(lbExt(), OnScreen(lbExt(), POINT{20, 5}));
        EXPECT_FALSE(form->Inspect().dragFromLibrary);
        MoveTo(OverType(target));
        EXPECT_TRUE(Refusing());
        Release();
    }
    EXPECT_EQ(snapshot(), before);
}

// --- Text in other scripts ------------------------------------------------------------------

// The document type has an extension in CJK as well.
class ScriptsDragDrop : public DragDrop {
protected:
    void SetUp() override {
        widereg::PutText(HKEY_CLASSES_ROOT, scripts::kCjkExtension, L"", widereg::Wide(kDocType));
        DragDrop::SetUp();
    }
};

TEST_F(ScriptsDragDrop, CjkExtensionMovesToTheTypeItIsDroppedOn) {
    const std::string ext = widereg::Utf8(scripts::kCjkExtension);
    SelectRow(doc);
    const std::vector<std::string> exts = Rows(lbExt());
    const auto at = std::find(exts.begin(), exts.end(), ext);
    ASSERT_NE(at, exts.end());

    Drag(lbExt(), static_cast<int>(at - exts.begin()), OverType(txt));

    EXPECT_EQ(widereg::GetText(HKEY_CLASSES_ROOT, scripts::kCjkExtension, L""),
              widereg::Wide(kTextType));
    EXPECT_EQ(typeChain(txt), (std::vector<std::string>{".TxT", ext}));
}

TEST_F(ScriptsDragDrop, LibraryInACjkFolderOpensAndItsIconsAndFolderKeepTheName) {
    std::string folder;
    const std::string library = scripts::LibraryInCjkFolder(&folder);
    OpenLibrary(library);
    ASSERT_EQ(form->Inspect().libraryIconCount, 10);
    for (const int cell : {0, 7, 9}) EXPECT_EQ(CellPixel(cell, 18, 18), ColourOfIcon(cell)) << cell;
    EXPECT_EQ(form->Inspect().defaultDir, folder);

    Drag(lbLib(), 7, OverType(txt));
    EXPECT_EQ(widereg::GetText(HKEY_CLASSES_ROOT, L"TXTFile\\DefaultIcon", L""),
              widereg::Wide(library) + L",7");
    EXPECT_EQ(TypePixel(txt, 2 + 16, 2 + 16), ColourOfIcon(7));

    // Closed and started again: the setting keeps the folder, and the dialog starts there.
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(widereg::GetText(HKEY_CURRENT_USER, L"Software\\Morvane\\Kestrune\\Settings",
                               L"DefaultDir"),
              widereg::Wide(folder));
    Start();
    EXPECT_EQ(form->Inspect().defaultDir, folder);
    EXPECT_EQ(CancelLibrary().folder, folder.substr(0, folder.size() - 1));
}
