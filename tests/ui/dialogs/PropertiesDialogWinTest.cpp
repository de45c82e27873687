// The properties dialog on its own: its layout, its fields, the icons it lists for the file
// in its Icon field (with the program's own icons as fallback), the choice of an icon in the
// grid, browsing for another file through the real Open dialog, and how it ends.

#include <algorithm>

#include "ui/PropertiesHarness.h"

using library_test::IconAlive;
using props_test::DialogState;

namespace {

class PropertiesDialog : public ::testing::Test {
protected:
    PropertiesDialog() { dialog.Create(); }

    // Shows the dialog filled with these values and answered as answer says; the result
    // lands in result, and the fields it hands back on OK in handed.
    SeenProperties Show(const std::string& description, const std::string& typeName,
                        const std::string& iconFile, std::int32_t index,
                        PropertiesAnswer answer = {}) {
        ModalDriver modal;
        PropertiesUser user(modal, dialog);
        user.Answer(std::move(answer));
        const std::optional<TypeFields> edited =
            dialog.Edit({description, typeName, iconFile, index, false, ""});
        result = edited ? mrOk : mrCancel;
        handed = edited.value_or(TypeFields{});
        PumpMessages();
        EXPECT_TRUE(user.Seen().shown);
        return user.Seen();
    }

    // The dialog's child control rectangle in the dialog's client coordinates.
    RECT PlaceOf(HWND control) const { return PlaceIn(control, dialog.Handle()); }

    // The icon index handed back by the last Show.
    std::int32_t HandedIndex() const {
        EXPECT_EQ(result, mrOk) << "nothing was handed back";
        return handed.iconIndex;
    }

    TfrmProperties dialog;
    int result = mrNone;
    TypeFields handed;
};

std::string folderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\'));
}

}  // namespace

// --- Layout -------------------------------------------------------------------------------

TEST_F(PropertiesDialog, CaptionIsPropertiesWithASizingFrameAndNoTitleBarButtons) {
    EXPECT_EQ(TextOf(dialog.Handle()), "Properties");
    const LONG style = GetWindowLongA(dialog.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}

TEST_F(PropertiesDialog, ClientAreaHasTheDesignedSizeAndTheDialogIsCentred) {
    EXPECT_EQ(ClientRectOf(dialog.Handle()).right, 369);
    EXPECT_EQ(ClientRectOf(dialog.Handle()).bottom, 270);
    RECT outer;
    GetWindowRect(dialog.Handle(), &outer);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(outer.left, (screenW - (outer.right - outer.left)) / 2, 1);
    EXPECT_NEAR(outer.top, (screenH - (outer.bottom - outer.top)) / 2, 1);
}

TEST_F(PropertiesDialog, PanelsLieAlongTopAndBottomWithTheGridBetween) {
    EXPECT_EQ(PlaceOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_PANEL1)),
              RectAt(0, 0, 369, 89));
    EXPECT_EQ(PlaceOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_LB)), RectAt(0, 89, 369, 148));
    EXPECT_EQ(PlaceOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_PANEL2)),
              RectAt(0, 237, 369, 33));
}

TEST_F(PropertiesDialog, FieldsSitInTheTopPanelWithTheirLabels) {
    EXPECT_EQ(GetParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2)),
              ControlOf(dialog.Handle(), TfrmProperties::IDC_PANEL1));
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2)),
              RectAt(64, 4, 300, 21));
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT3)),
              RectAt(64, 32, 300, 21));
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)),
              RectAt(64, 60, 300, 21));
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_LABEL2)), "Description");
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_LABEL4)), "File Type");
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_LABEL3)), "Icon");
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_LABEL2)).left, 4);
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_LABEL2)).top, 8);
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_LABEL4)).top, 36);
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_LABEL3)).top, 64);
}

TEST_F(PropertiesDialog, ButtonsSitInTheBottomPanel) {
    EXPECT_EQ(GetParent(ControlOf(dialog.Handle(), IDOK)),
              ControlOf(dialog.Handle(), TfrmProperties::IDC_PANEL2));
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), IDOK)), RectAt(6, 4, 75, 25));
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), IDCANCEL)), RectAt(88, 4, 75, 25));
    EXPECT_EQ(PlaceInParent(ControlOf(dialog.Handle(), TfrmProperties::IDC_BTNBROWSE)),
              RectAt(271, 4, 93, 25));
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), IDOK)), "OK");
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), IDCANCEL)), "Cancel");
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_BTNBROWSE)),
              "&Browse for Icon");
}

TEST_F(PropertiesDialog, TabOrderRunsThroughTheFieldsTheGridAndTheButtons) {
    std::vector<HWND> order;
    HWND w = ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2);
    for (int i = 0; i < 7; ++i) {
        order.push_back(w);
        w = GetNextDlgTabItem(dialog.Handle(), w, FALSE);
    }
    EXPECT_EQ(order, (std::vector<HWND>{
                         ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2),
                         ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT3),
                         ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4),
                         ControlOf(dialog.Handle(), TfrmProperties::IDC_LB),
                         ControlOf(dialog.Handle(), IDOK), ControlOf(dialog.Handle(), IDCANCEL),
                         ControlOf(dialog.Handle(), TfrmProperties::IDC_BTNBROWSE)}));
}

TEST_F(PropertiesDialog, IconFieldIsReadOnly) {
    EXPECT_TRUE(GetWindowLongA(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4), GWL_STYLE) &
                ES_READONLY);
    SetWindowTextA(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4), "C:\\x.dll");
    props_test::TypeInto(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4), "abc");
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)), "C:\\x.dll");
}

// --- Field lengths ------------------------------------------------------------------------

TEST_F(PropertiesDialog, DescriptionTakesAtMostFortyTypedCharacters) {
    SetWindowTextA(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2), "");
    props_test::TypeInto(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2),
                         std::string(45, 'd'));
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2)), std::string(40, 'd'));
}

TEST_F(PropertiesDialog, LongerDescriptionFromTheCallerIsShownWhole) {
    const std::string longText(60, 'L');
    const SeenProperties seen = Show(longText, "T", TestDataPath("icons10.dll"), 0);
    EXPECT_EQ(seen.opened.description, longText);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2)), longText);
}

TEST_F(PropertiesDialog, FileTypeTakesAtMost255TypedCharacters) {
    SetWindowTextA(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT3), "");
    props_test::TypeInto(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT3),
                         std::string(300, 't'));
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT3)), std::string(255, 't'));
}

// --- Icons of the icon file ---------------------------------------------------------------

TEST_F(PropertiesDialog, ListsEveryIconOfTheFileWithTheGivenIndexSelected) {
    const std::string file = TestDataPath("icons10.dll");
    const SeenProperties seen = Show("D", "T", file, 3);
    EXPECT_TRUE(seen.opened.visible);
    EXPECT_EQ(seen.opened.iconFile, file);
    EXPECT_EQ(seen.opened.gridCount, 10);
    EXPECT_EQ(seen.opened.selectedCell, 3);
    EXPECT_EQ(seen.opened.selectedIconIndex, 3);
    for (HICON icon : seen.opened.icons) EXPECT_NE(icon, nullptr);
}

TEST_F(PropertiesDialog, EveryCellTextIsASingleBlank) {
    PropertiesAnswer answer;
    std::vector<std::string> texts;
    answer.onOpen = [&](TfrmProperties& d) {
        for (int i = 0; i < rowCount(ControlOf(d.Handle(), TfrmProperties::IDC_LB)); ++i)
            texts.push_back(rowText(ControlOf(d.Handle(), TfrmProperties::IDC_LB), i));
    };
    Show("D", "T", TestDataPath("icons10.dll"), 0, answer);
    EXPECT_EQ(texts, std::vector<std::string>(10, " "));
}

TEST_F(PropertiesDialog, NoIconMarkerOpensOnTheProgramsOwnIcons) {
    const SeenProperties seen = Show("D", "T", "<no icon>", -1);
    EXPECT_EQ(seen.opened.iconFile, OwnExecutablePath());
    EXPECT_EQ(seen.opened.gridCount, static_cast<int>(CountIcons(OwnExecutablePath())));
    EXPECT_EQ(seen.opened.gridCount, 2);  // MAINICON and NOICON
    EXPECT_EQ(seen.opened.selectedCell, 0);
    EXPECT_EQ(seen.opened.selectedIconIndex, 0);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)), OwnExecutablePath());
    EXPECT_EQ(HandedIndex(), 0);
}

TEST_F(PropertiesDialog, EmptyIconFieldOpensOnTheProgramsOwnIcons) {
    const SeenProperties seen = Show("", "", "", 0);
    EXPECT_EQ(seen.opened.iconFile, OwnExecutablePath());
    EXPECT_EQ(seen.opened.gridCount, 2);
    EXPECT_EQ(seen.opened.selectedCell, 0);
}

TEST_F(PropertiesDialog, MissingFileOpensOnTheProgramsOwnIconsWithTheFirstSelected) {
    const SeenProperties seen = Show("D", "T", "C:\\nowhere\\missing.dll", 7);
    EXPECT_EQ(seen.opened.iconFile, OwnExecutablePath());
    EXPECT_EQ(seen.opened.selectedCell, 0);
    EXPECT_EQ(seen.opened.selectedIconIndex, 0);
}

TEST_F(PropertiesDialog, FileWithoutIconsOpensOnTheProgramsOwnIcons) {
    const SeenProperties seen = Show("D", "T", TestDataPath("noicons.dll"), 4);
    EXPECT_EQ(seen.opened.iconFile, OwnExecutablePath());
    EXPECT_EQ(seen.opened.gridCount, 2);
}

TEST_F(PropertiesDialog, IndexBeyondTheIconsSelectsNothingAndIsHandedBackUnchanged) {
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), 50);
    EXPECT_EQ(seen.opened.selectedCell, -1);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(HandedIndex(), 50);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)),
              TestDataPath("icons10.dll"));
}

TEST_F(PropertiesDialog, IndexEqualToTheNumberOfIconsSelectsNothing) {
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), 10);
    EXPECT_EQ(seen.opened.selectedCell, -1);
    EXPECT_EQ(HandedIndex(), 10);
}

TEST_F(PropertiesDialog, NegativeIndexSelectsNothingAndIsHandedBackUnchanged) {
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), -3);
    EXPECT_EQ(seen.opened.selectedCell, -1);
    EXPECT_EQ(HandedIndex(), -3);
}

TEST_F(PropertiesDialog, FileOfFifteenHundredIconsShowsItsFirst256) {
    PropertiesAnswer answer;
    COLORREF last = CLR_INVALID;
    answer.onOpen = [&](TfrmProperties& d) {
        // Cell 255 holds icon 255 of the file: its colour, drawn by the dialog.
        Pixels s(37, 36, kUnpainted);
        DrawListRow(ControlOf(d.Handle(), TfrmProperties::IDC_LB), 255, s);
        last = s.at(2 + 16, 2 + 16);
    };
    const SeenProperties seen = Show("D", "T", TestDataPath("icons1500.dll"), 0, answer);
    EXPECT_EQ(dialog.IconsInFile(), 1500u);
    EXPECT_EQ(seen.opened.gridCount, 256);
    EXPECT_EQ(last, library_test::ColourOfIcon(255));
    for (HICON icon : seen.opened.icons) EXPECT_NE(icon, nullptr);
}

TEST_F(PropertiesDialog, IndexAbove255OfALargeFileSelectsNothingAndIsKept) {
    const SeenProperties seen = Show("D", "T", TestDataPath("icons1500.dll"), 300);
    EXPECT_EQ(seen.opened.selectedCell, -1);
    EXPECT_EQ(HandedIndex(), 300);
}

TEST_F(PropertiesDialog, IconFileWithEnvironmentReferenceListsThatFilesIconsAndKeepsTheText) {
    const std::string file = "%SystemRoot%\\system32\\shell32.dll";
    ASSERT_GT(CountIcons(file), 0u) << "this system's shell32.dll holds no icons";
    const SeenProperties seen = Show("D", "T", file, 3);
    EXPECT_EQ(seen.opened.iconFile, file);
    EXPECT_EQ(seen.opened.gridCount, static_cast<int>(std::min(CountIcons(file), 256u)));
    EXPECT_EQ(seen.opened.selectedCell, 3);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)), file);
}

TEST_F(PropertiesDialog, QuotedIconFileListsThatFilesIconsAndKeepsTheQuotes) {
    const std::string file = "\"" + TestDataPath("icons10.dll") + "\"";
    const SeenProperties seen = Show("D", "T", file, 1);
    EXPECT_EQ(seen.opened.iconFile, file);
    EXPECT_EQ(seen.opened.gridCount, 10);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)), file);
}

TEST_F(PropertiesDialog, HidingTheDialogEmptiesTheGridAndReleasesEveryIcon) {
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), 0);
    ASSERT_EQ(seen.opened.icons.size(), 10u);
    for (HICON icon : seen.opened.icons) EXPECT_FALSE(IconAlive(icon));
    EXPECT_EQ(rowCount(ControlOf(dialog.Handle(), TfrmProperties::IDC_LB)), 0);
    for (size_t i = 0; i < dialog.GridIcons().Capacity(); ++i)
        EXPECT_TRUE(dialog.GridIcons().Held(i).empty()) << i;
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}

TEST_F(PropertiesDialog, SecondShowingListsTheNewFileOnly) {
    Show("D", "T", TestDataPath("icons1500.dll"), 0);
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), 0);
    EXPECT_EQ(seen.opened.gridCount, 10);
}

// --- Choosing and ending -------------------------------------------------------------------

TEST_F(PropertiesDialog, ClickOnACellChoosesItsIcon) {
    PropertiesAnswer answer;
    answer.cell = 6;
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), 1, answer);
    EXPECT_EQ(seen.beforeClose.selectedCell, 6);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(HandedIndex(), 6);
}

TEST_F(PropertiesDialog, ArrowKeyInTheGridChoosesTheNextIcon) {
    PropertiesAnswer answer;
    answer.onOpen = [](TfrmProperties& d) {
        SetFocus(ControlOf(d.Handle(), TfrmProperties::IDC_LB));
        SendMessageA(ControlOf(d.Handle(), TfrmProperties::IDC_LB), WM_KEYDOWN, VK_DOWN, 0);
    };
    Show("D", "T", TestDataPath("icons10.dll"), 1, answer);
    EXPECT_EQ(HandedIndex(), 2);
}

TEST_F(PropertiesDialog, DoubleClickOnACellChoosesItAndEndsAsOk) {
    PropertiesAnswer answer;
    answer.cell = 4;
    answer.doubleClickCell = true;
    Show("D", "T", TestDataPath("icons10.dll"), 0, answer);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(HandedIndex(), 4);
}

TEST_F(PropertiesDialog, OkHandsBackTheFieldsAsTheyStand) {
    PropertiesAnswer answer;
    answer.description = "New description";
    answer.typeName = "NewType";
    Show("Old", "OldType", TestDataPath("icons10.dll"), 2, answer);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2)), "New description");
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT3)), "NewType");
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)),
              TestDataPath("icons10.dll"));
    EXPECT_EQ(HandedIndex(), 2);
}

TEST_F(PropertiesDialog, CancelButtonEndsWithCancel) {
    PropertiesAnswer answer;
    answer.button = IDCANCEL;
    Show("D", "T", TestDataPath("icons10.dll"), 0, answer);
    EXPECT_EQ(result, mrCancel);
}

TEST_F(PropertiesDialog, EnterEndsWithOk) {
    PropertiesAnswer answer;
    answer.onOpen = [](TfrmProperties& d) {
        PostMessageA(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT2), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT2), WM_KEYUP, VK_RETURN, 0);
    };
    answer.button = IDCANCEL;  // posted after Enter, which ends the dialog first
    Show("D", "T", TestDataPath("icons10.dll"), 0, answer);
    EXPECT_EQ(result, mrOk);
}

TEST_F(PropertiesDialog, EscapeEndsWithCancel) {
    PropertiesAnswer answer;
    answer.onOpen = [](TfrmProperties& d) {
        PostMessageA(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT3), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageA(ControlOf(d.Handle(), TfrmProperties::IDC_EDIT3), WM_KEYUP, VK_ESCAPE, 0);
    };
    answer.button = IDOK;  // posted after Escape, which ends the dialog first
    Show("D", "T", TestDataPath("icons10.dll"), 0, answer);
    EXPECT_EQ(result, mrCancel);
}

TEST_F(PropertiesDialog, DescriptionFieldHasTheFocusWhenTheDialogOpens) {
    PropertiesAnswer answer;
    HWND focus = nullptr;
    answer.onOpen = [&](TfrmProperties&) { focus = GetFocus(); };
    Show("D", "T", TestDataPath("icons10.dll"), 0, answer);
    EXPECT_EQ(focus, ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT2));
}

// --- Browse for Icon -----------------------------------------------------------------------

TEST_F(PropertiesDialog, BrowseOpensOnTheCurrentIconFileWithTheSevenEntryFilter) {
    PropertiesAnswer answer;
    answer.cancelBrowse = true;
    const std::string file = TestDataPath("icons10.dll");
    const SeenProperties seen = Show("D", "T", file, 0, answer);
    ASSERT_TRUE(seen.fileDialog);
    EXPECT_EQ(seen.fileDialog->filters,
              (std::vector<std::string>{
                  "Files with Icons", "Icon Files (*.ico)", "DLL Files (*.dll)",
                  "RES Files (*.res)", "EXE Files (*.exe)", "ICL File (*.icl)", "Any File (*.*)"}));
    EXPECT_EQ(seen.fileDialog->filter, 0);
    EXPECT_EQ(_stricmp(seen.fileDialog->folder.c_str(), folderOf(file).c_str()), 0);
    EXPECT_NE(seen.fileDialog->fileName.find("icons10.dll"), std::string::npos);
}

TEST_F(PropertiesDialog, BrowsingToAFileListsItsIconsWithTheFirstSelected) {
    PropertiesAnswer answer;
    answer.browseTo = TestDataPath("icons10.dll");
    const SeenProperties seen = Show("D", "T", "<no icon>", -1, answer);
    EXPECT_EQ(seen.beforeClose.iconFile, TestDataPath("icons10.dll"));
    EXPECT_EQ(seen.beforeClose.gridCount, 10);
    EXPECT_EQ(seen.beforeClose.selectedCell, 0);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(HandedIndex(), 0);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)),
              TestDataPath("icons10.dll"));
}

TEST_F(PropertiesDialog, BrowsingReleasesTheIconsOfThePreviousFile) {
    PropertiesAnswer answer;
    answer.browseTo = TestDataPath("icons10.dll");
    const SeenProperties seen = Show("D", "T", TestDataPath("icons1500.dll"), 9, answer);
    ASSERT_EQ(seen.opened.icons.size(), 256u);
    for (HICON icon : seen.opened.icons) EXPECT_FALSE(IconAlive(icon));
    EXPECT_EQ(seen.beforeClose.gridCount, 10);
}

TEST_F(PropertiesDialog, BrowsingThenClickingACellChoosesThatIconOfTheNewFile) {
    PropertiesAnswer answer;
    answer.browseTo = TestDataPath("icons10.dll");
    answer.cell = 8;
    Show("D", "T", TestDataPath("icons1500.dll"), 100, answer);
    EXPECT_EQ(HandedIndex(), 8);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)),
              TestDataPath("icons10.dll"));
}

TEST_F(PropertiesDialog, BrowsingToAFileWithoutIconsFallsBackToTheProgramsOwnIcons) {
    PropertiesAnswer answer;
    answer.browseTo = TestDataPath("noicons.dll");
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), 5, answer);
    EXPECT_EQ(seen.beforeClose.iconFile, OwnExecutablePath());
    EXPECT_EQ(seen.beforeClose.gridCount, 2);
    EXPECT_EQ(seen.beforeClose.selectedCell, 0);
    EXPECT_EQ(HandedIndex(), 0);
}

TEST_F(PropertiesDialog, CancelledBrowseChangesNothing) {
    PropertiesAnswer answer;
    answer.cancelBrowse = true;
    const SeenProperties seen = Show("D", "T", TestDataPath("icons10.dll"), 5, answer);
    EXPECT_EQ(seen.beforeClose.iconFile, TestDataPath("icons10.dll"));
    EXPECT_EQ(seen.beforeClose.gridCount, 10);
    EXPECT_EQ(seen.beforeClose.selectedCell, 5);
    EXPECT_EQ(seen.beforeClose.icons, seen.opened.icons);
    EXPECT_EQ(HandedIndex(), 5);
}

TEST_F(PropertiesDialog, FolderOfTheChosenFileIsKeptForTheNextBrowse) {
    PropertiesAnswer answer;
    answer.browseTo = TestDataPath("icons10.dll");
    Show("D", "T", "<no icon>", -1, answer);
    EXPECT_EQ(dialog.BrowseFolder(), folderOf(TestDataPath("icons10.dll")) + "\\");

    // The next browse opens on the file of the Icon field, whose folder that is as well.
    PropertiesAnswer again;
    again.cancelBrowse = true;
    const SeenProperties seen = Show("D", "T", TestDataPath("icons1500.dll"), 0, again);
    ASSERT_TRUE(seen.fileDialog);
    EXPECT_EQ(
        _stricmp(seen.fileDialog->folder.c_str(), folderOf(TestDataPath("icons10.dll")).c_str()),
        0);
    EXPECT_EQ(dialog.BrowseFolder(), folderOf(TestDataPath("icons10.dll")) + "\\");
}

TEST_F(PropertiesDialog, BrowseStartsFromAnIconFieldTheDialogCannotTake) {
    // "%SystemRoot%" in a name is no file name to the Open dialog; it opens all the same.
    PropertiesAnswer answer;
    answer.browseTo = TestDataPath("icons10.dll");
    Show("D", "T", "%SystemRoot%\\system32\\shell32.dll", 0, answer);
    EXPECT_EQ(TextOf(ControlOf(dialog.Handle(), TfrmProperties::IDC_EDIT4)),
              TestDataPath("icons10.dll"));
}
