// The window "Explorer's view of .ext" opened from the main window: for a file type with a
// list of its extensions to pick from, for an extension alone; its warnings, its steps with
// where each was read, and its icons.

#include "ui/MainWindowHarness.h"

#include <commctrl.h>

#include "support/TestData.h"
#include "support/WindowInfo.h"

namespace {

const std::string kFileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

// What the window showed at one moment.
struct Shown {
    std::string caption, warnings;
    bool picker = false;
    std::vector<std::string> extensions;  // the picker's list
    std::vector<std::vector<std::string>> steps;
    bool icon = false, shellIcon = false;
};

std::string cell(HWND list, int row, int column) {
    char text[512] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

Shown Read(HWND view) {
    const auto control = [view](int id) { return ControlOf(view, id); };
    const HWND picker = control(TfrmExplorerView::IDC_CBEXT);
    const HWND steps = control(TfrmExplorerView::IDC_LVSTEPS);
    Shown s;
    s.caption = TextOf(view);
    s.warnings = TextOf(control(TfrmExplorerView::IDC_MEMWARNINGS));
    s.picker = IsWindowVisible(picker) != FALSE;
    for (int i = 0; i < SendMessageA(picker, CB_GETCOUNT, 0, 0); ++i) {
        char text[256] = {};
        SendMessageA(picker, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        s.extensions.push_back(text);
    }
    for (int row = 0; row < SendMessageA(steps, LVM_GETITEMCOUNT, 0, 0); ++row)
        s.steps.push_back({cell(steps, row, 0), cell(steps, row, 1), cell(steps, row, 2)});
    s.icon = SendMessageA(control(TfrmExplorerView::IDC_IMGICON), STM_GETICON, 0, 0) != 0;
    s.shellIcon = SendMessageA(control(TfrmExplorerView::IDC_IMGSHELLICON), STM_GETICON, 0, 0) != 0;
    return s;
}

bool HasStep(const Shown& s, const std::vector<std::string>& step) {
    return std::find(s.steps.begin(), s.steps.end(), step) != s.steps.end();
}

// .kst and .kst2 name App.Kst in the machine's classes; the user chose Chosen.File for .kst,
// which CurVer redirects to Chosen.File.1, with an indirect FriendlyTypeName and an icon
// handler; .kst2 has no such thing.
class ExplorerViewWindow : public MainWindowTest {
protected:

    void SetUp() override {
        const std::string dll = TestDataPath("explorerdata.dll");
        RegisterType(".kst", "App.Kst", "Kst files", (dll + ",-7").c_str());
        RegisterType(".kst2", "App.Kst", "Kst files");
        rawreg::PutText(HKEY_CURRENT_USER, kFileExts + ".kst\\UserChoice", "ProgId", "Chosen.File");
        rawreg::PutText(HKEY_CURRENT_USER, "Software\\Classes\\Chosen.File\\CurVer", "",
                        "Chosen.File.1");
        rawreg::PutText(HKEY_LOCAL_MACHINE, "Software\\Classes\\Chosen.File.1", "FriendlyTypeName",
                        "@" + dll + ",-101");
        rawreg::PutText(HKEY_LOCAL_MACHINE,
                        "Software\\Classes\\Chosen.File.1\\shellex\\IconHandler", "",
                        "{11111111-2222-3333-4444-555555555555}");
        rawreg::PutText(HKEY_CURRENT_USER, "Software\\Classes\\Chosen.File.1\\DefaultIcon", "",
                        dll + ",-7");
        Start();
        SelectRow(0);
    }

    // Opens the view and reads it, then picks the extension at pick (when given) and reads
    // it again, then presses Escape.
    // The view of the type (IDM_EXPLORERVIEWTYPE) or of the selected extension
    // (IDM_EXPLORERVIEWEXT), as its menu item opens it.
    std::vector<Shown> Open(int command, int pick = -1) {
        std::vector<Shown> shown;
        ModalDriver modal;
        modal.AnswerNextModal(
            [&](HWND w) {
                shown.push_back(Read(w));
                if (pick >= 0) {
                    const HWND picker = ControlOf(w, TfrmExplorerView::IDC_CBEXT);
                    SendMessageA(picker, CB_SETCURSEL, pick, 0);
                    SendMessageA(w, WM_COMMAND,
                                 MAKEWPARAM(TfrmExplorerView::IDC_CBEXT, CBN_SELCHANGE),
                                 reinterpret_cast<LPARAM>(picker));
                    shown.push_back(Read(w));
                }
                PostMessageA(ControlOf(w, TfrmExplorerView::IDC_LVSTEPS), WM_KEYDOWN, VK_ESCAPE, 1);
            },
            [](HWND w) { return ClassOf(w) == "TfrmExplorerView"; });
        SendMessageA(form->Handle(), WM_COMMAND, command, 0);
        PumpMessages();
        EXPECT_EQ(modal.Pending(), 0u);
        return shown;
    }
};

TEST_F(ExplorerViewWindow, ShowsEachStepOfATypesExtensionsWithAPicker) {
    const std::vector<Shown> shown = Open(IDM_EXPLORERVIEWTYPE, 1);
    ASSERT_EQ(shown.size(), 2u);
    const Shown& first = shown[0];
    EXPECT_EQ(first.caption, "Explorer's view of .kst");
    EXPECT_TRUE(first.picker);
    EXPECT_EQ(first.extensions, (std::vector<std::string>{".kst", ".kst2"}));
    for (const char* reason :
         {"Settings > Default apps", "Chosen.File is redirected to Chosen.File.1",
          "Chosen.File.1 has a FriendlyTypeName", "The icon handler of Chosen.File.1"})
        EXPECT_NE(first.warnings.find(reason), std::string::npos) << reason;
    EXPECT_TRUE(HasStep(first, {"Extension key", "\"App.Kst\"", "HKLM\\Software\\Classes"}));
    EXPECT_TRUE(HasStep(first, {"User's choice", "\"Chosen.File\" (Settings > Default apps)",
                                "HKCU\\" + kFileExts + ".kst\\UserChoice"}));
    EXPECT_TRUE(
        HasStep(first, {"CurVer of Chosen.File", "\"Chosen.File.1\"", "HKCU\\Software\\Classes"}));
    EXPECT_TRUE(HasStep(first, {"Description shown", "\"Документ Kestrune 文書\"", ""}));
    EXPECT_TRUE(first.icon);
    EXPECT_TRUE(first.shellIcon);

    const Shown& second = shown[1];
    EXPECT_EQ(second.caption, "Explorer's view of .kst2");
    EXPECT_TRUE(HasStep(second, {"Description shown", "\"Kst files\"", ""}));
    EXPECT_EQ(second.warnings, "Nothing keeps Explorer from showing what Kestrune edits.");
    EXPECT_TRUE(second.icon);
    EXPECT_FALSE(IsWindowVisible(ThreadWindowOfClass("TfrmExplorerView")));
}

TEST_F(ExplorerViewWindow, ShowsAnExtensionAloneWithoutPicker) {
    selectRow(lbExt(), 1);
    const std::vector<Shown> shown = Open(IDM_EXPLORERVIEWEXT);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Explorer's view of .kst2");
    EXPECT_FALSE(shown[0].picker);
}

}  // namespace
