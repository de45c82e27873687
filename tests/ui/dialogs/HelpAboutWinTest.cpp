// The Quick Help and About windows: their frames, their texts as they are drawn (each light
// copy over its dark copy), and how their buttons and the close command end their modal show.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "support/ModalDriver.h"
#include "support/Pump.h"
#include "support/WindowInfo.h"
#include "ui/ClientPixels.h"
#include "ui/controls/FlatButton.h"
#include "ui/window/Form.h"
#include "ui/window/Gdi.h"
#include "ui/dialogs/UAbout.h"
#include "ui/dialogs/UHelp.h"

namespace {

const std::string kExpectedHelp =
    "* WHAT YOU SEE:\r\n"
    "- on the left a list of registered file types.\r\n"
    "- on the middle the registered file extensions for the selected file type.\r\n"
    "- on the right a list of available icon in a library of your choice.\r\n"
    "\r\n"
    "* To SELECT a new icon for a registered file type:\r\n"
    "- Double Click on the file type or select one and click the Properties button.\r\n"
    "- Drag an icon from the opened library and drop it on a file type.\r\n"
    "\r\n"
    "* To move an extension from a file type to another, just drag any extension to\r\n"
    "a file type of your choice.\r\n"
    "\r\n"
    "* You may add/delete extension to a file type using the appropriate buttons.\r\n"
    "* You may add/delete file types using the appropriate buttons.";
const std::string kExpectedWarning =
    "WARNING!!! Changes are automaticaly saved in the Windows Registry, so use this program "
    "with care.";

constexpr COLORREF kHelpGreen = RGB(0, 255, 128);
constexpr COLORREF kAboutGreen = RGB(128, 255, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kStray = -1;  // a modal result no window of the program gives

COLORREF face() {
    return GetSysColor(COLOR_BTNFACE);
}
COLORREF windowText() {
    return GetSysColor(COLOR_WINDOWTEXT);
}

// Compares the pixels of area with a shadowed text: where the light copy (top-left corner at
// light) covers a pixel the pixel is the light colour; elsewhere, where the dark copy one
// pixel right and down covers it, the dark colour; anywhere else the button face. Pixels
// that a smoothed font covers only in part are blends and are not compared.
struct ShadowCheck {
    int mismatches = 0;
    int lightPixels = 0;
    int darkPixels = 0;  // where the dark copy shows beside the light one
    std::string firstMismatch;
};

ShadowCheck CompareShadowedText(const Pixels& shot, const RECT& area, const TextInk& ink,
                                POINT light, COLORREF lightColour, COLORREF darkColour) {
    using Coverage = TextInk::Coverage;
    ShadowCheck check;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const Coverage overLight = ink.coverage(x - light.x, y - light.y);
            const Coverage overDark = ink.coverage(x - light.x - 1, y - light.y - 1);
            COLORREF expected = face();
            if (overLight == Coverage::Full) {
                expected = lightColour;
                ++check.lightPixels;
            } else if (overLight == Coverage::Part) {
                continue;
            } else if (overDark == Coverage::Full) {
                expected = darkColour;
                ++check.darkPixels;
            } else if (overDark == Coverage::Part) {
                continue;
            }
            const COLORREF got = shot.at(x, y);
            if (got != expected && check.mismatches++ == 0) {
                char where[96];
                wsprintfA(where, "(%d, %d): %06lX, expected %06lX", x, y, got, expected);
                check.firstMismatch = where;
            }
        }
    }
    return check;
}

// A stand-in for the main window, and the two information windows, both created hidden.
class HelpAboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        main = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                               200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        help.Create();
        about.Create();
        PumpMessages();
    }
    void TearDown() override {
        DestroyWindow(main);
        PumpMessages();
    }

    // Shows form modally while answer acts on it; a watchdog ends a modal show that the
    // answer failed to end, so that the test fails instead of hanging.
    int ShowAnswered(TForm& form, ModalDriver::Answer answer) {
        ModalDriver driver;
        HWND handle = form.Handle();
        driver.AnswerNextModal(std::move(answer), [handle](HWND w) { return w == handle; });
        watched = &form;
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 8000, &HelpAboutTest::Watchdog);
        const int result = form.ShowModal();
        KillTimer(nullptr, watchdog);
        watched = nullptr;
        return result;
    }
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
        if (watched && watched->ModalResult == mrNone) watched->ModalResult = kStray;
    }

    static void Click(HWND button) {
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    }

    HWND main = nullptr;
    TfrmHelp help;
    TfrmAbout about;
    static inline TForm* watched = nullptr;
};

// --- frames ------------------------------------------------------------------------------

TEST_F(HelpAboutTest, BothWindowsAreCreatedHidden) {
    ASSERT_TRUE(IsWindow(help.Handle()));
    ASSERT_TRUE(IsWindow(about.Handle()));
    EXPECT_FALSE(IsWindowVisible(help.Handle()));
    EXPECT_FALSE(IsWindowVisible(about.Handle()));
}

TEST_F(HelpAboutTest, HelpHasItsCaptionAndClientSize) {
    EXPECT_EQ(TextOf(help.Handle()), "Kestrune Quick Help");
    EXPECT_EQ(ClientRectOf(help.Handle()).right, 377);
    EXPECT_EQ(ClientRectOf(help.Handle()).bottom, 235);
}

TEST_F(HelpAboutTest, HelpHasACaptionButNoBorderIconsAndNoSizingFrame) {
    const LONG style = GetWindowLongA(help.Handle(), GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(GetWindowLongA(help.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
}

TEST_F(HelpAboutTest, AboutHasItsCaptionAndClientSize) {
    EXPECT_EQ(TextOf(about.Handle()), "About...");
    EXPECT_EQ(ClientRectOf(about.Handle()).right, 193);
    EXPECT_EQ(ClientRectOf(about.Handle()).bottom, 268);
}

TEST_F(HelpAboutTest, AboutIsAToolWindowWithoutBorderIconsAndNoSizingFrame) {
    const LONG style = GetWindowLongA(about.Handle(), GWL_STYLE);
    EXPECT_NE(GetWindowLongA(about.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
}

TEST_F(HelpAboutTest, BothWindowsAreCentredOnTheScreen) {
    const int screenX = GetSystemMetrics(SM_CXSCREEN), screenY = GetSystemMetrics(SM_CYSCREEN);
    for (HWND w : {help.Handle(), about.Handle()}) {
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_LE(std::abs((r.left + r.right) - screenX), 2) << TextOf(w);
        EXPECT_LE(std::abs((r.top + r.bottom) - screenY), 2) << TextOf(w);
    }
}

// --- Quick Help's texts ----------------------------------------------------------------------

TEST_F(HelpAboutTest, HelpLabelsHoldTheHelpAndWarningTexts) {
    EXPECT_EQ(help.Label1.Caption, kExpectedHelp);
    EXPECT_EQ(help.Label2.Caption, kExpectedHelp);
    EXPECT_EQ(help.Label3.Caption, kExpectedWarning);
    EXPECT_EQ(help.Label4.Caption, kExpectedWarning);
}

TEST_F(HelpAboutTest, HelpTextIsDrawnLightGreenOverItsDarkCopy) {
    Pixels shot(377, 235);
    PrintClient(help.Handle(), shot);
    UniqueFont font = MakeSansSerif(11);
    const TextInk ink(kExpectedHelp, font.get(), 370, 190, DT_WORDBREAK | DT_NOPREFIX, 0);
    ASSERT_GT(ink.inkCount(), 1000);
    // Both copies are cut at their boxes: the light one at (3, 3) and the dark one at (4, 4).
    const ShadowCheck check =
        CompareShadowedText(shot, RECT{3, 3, 374, 193}, ink, POINT{3, 3}, kHelpGreen, windowText());
    EXPECT_EQ(check.mismatches, 0) << "first at " << check.firstMismatch;
    EXPECT_GT(check.lightPixels, 1000);
    EXPECT_GT(check.darkPixels, 500);  // the dark copy shows at the lower right edges
}

TEST_F(HelpAboutTest, HelpTextEndsAboveTheWarning) {
    // The help text's last line fits in its box, so the warning below stays clean.
    UniqueFont font = MakeSansSerif(11);
    const TextInk ink(kExpectedHelp, font.get(), 370, 400, DT_WORDBREAK | DT_NOPREFIX, 0);
    int lowest = -1;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 370; ++x)
            if (ink.ink(x, y)) lowest = y;
    EXPECT_LT(lowest, 190);
}

TEST_F(HelpAboutTest, WarningIsDrawnWhiteOverItsDarkCopy) {
    Pixels shot(377, 235);
    PrintClient(help.Handle(), shot);
    UniqueFont font = MakeSansSerif(11);
    const TextInk ink(kExpectedWarning, font.get(), 264, 32, DT_WORDBREAK | DT_NOPREFIX, 0);
    ASSERT_GT(ink.inkCount(), 200);
    const ShadowCheck check =
        CompareShadowedText(shot, RECT{3, 195, 267, 227}, ink, POINT{3, 195}, kWhite, windowText());
    EXPECT_EQ(check.mismatches, 0) << "first at " << check.firstMismatch;
    EXPECT_GT(check.darkPixels, 100);
}

TEST_F(HelpAboutTest, HelpButtonSaysOkayAndIsNoTabStop) {
    ASSERT_TRUE(IsWindow(help.SpeedButton1));
    EXPECT_EQ(TextOf(help.SpeedButton1), "Okay");
    EXPECT_EQ(GetWindowLongA(help.SpeedButton1, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(PlaceIn(help.SpeedButton1, help.Handle()), RectAt(284, 192, 89, 37));
}

// --- About's texts ---------------------------------------------------------------------------

TEST_F(HelpAboutTest, AboutHeadlineIsDrawnLightOverItsDarkCopy) {
    Pixels shot(193, 268);
    PrintClient(about.Handle(), shot);
    UniqueFont bold = MakeSansSerif(13, true);
    const TextInk ink("Kestrune v1.1", bold.get(), 155, 16, DT_NOPREFIX | DT_NOCLIP, 20);
    ASSERT_GT(ink.inkCount(), 100);
    const ShadowCheck check = CompareShadowedText(shot, RECT{0, 0, 193, 40}, ink, POINT{18, 3},
                                                  kAboutGreen, windowText());
    EXPECT_EQ(check.mismatches, 0) << "first at " << check.firstMismatch;
    EXPECT_GT(check.darkPixels, 30);
}

TEST_F(HelpAboutTest, AboutInvitesToTheWebSite) {
    EXPECT_EQ(about.Label4.Caption, "visit our Web Site at:");
    EXPECT_EQ(about.Label7.Caption, "Feedback is most welcome. Contact us by e-mail at:");
    Pixels shot(193, 268);
    PrintClient(about.Handle(), shot);
    UniqueFont font = MakeSansSerif(11);
    const TextInk ink("visit our Web Site at:", font.get(), 98, 13, DT_NOPREFIX | DT_NOCLIP, 20);
    int drawn = 0, missing = 0;
    for (int y = 60; y < 79; ++y)
        for (int x = 0; x < 193; ++x) {
            const bool inked = ink.ink(x - 45, y - 64);
            const bool dark = shot.at(x, y) == windowText();
            drawn += inked && dark;
            missing += inked != dark;
        }
    EXPECT_GT(drawn, 50);
    EXPECT_EQ(missing, 0);
}

TEST_F(HelpAboutTest, AboutAddressesAreFictionalAndShadowed) {
    EXPECT_EQ(about.Label6.Caption, about.Label5.Caption);
    EXPECT_EQ(about.Label11.Caption, about.Label10.Caption);
    EXPECT_NE(about.Label5.Caption.find("example.com"), std::string::npos);
    EXPECT_NE(about.Label10.Caption.find("@example.com"), std::string::npos);

    Pixels shot(193, 268);
    PrintClient(about.Handle(), shot);
    UniqueFont bold = MakeSansSerif(13, true);
    struct Address {
        const PaintedLabel& light;
        RECT area;
    };
    // Below row 201: the invitation above ends there, at the foot of its box.
    for (const Address& a : {Address{about.Label5, RECT{0, 78, 193, 99}},
                             Address{about.Label10, RECT{0, 201, 193, 219}}}) {
        const TextInk ink(a.light.Caption, bold.get(), a.light.Width, a.light.Height,
                          DT_NOPREFIX | DT_NOCLIP | DT_CENTER, 60);
        const ShadowCheck check = CompareShadowedText(
            shot, a.area, ink, POINT{a.light.Left, a.light.Top}, kAboutGreen, kBlack);
        EXPECT_EQ(check.mismatches, 0) << a.light.Caption << ", first at " << check.firstMismatch;
        EXPECT_GT(check.lightPixels, 100) << a.light.Caption;
        EXPECT_GT(check.darkPixels, 30) << a.light.Caption;
    }
}

TEST_F(HelpAboutTest, AboutAddressesStayInsideTheWindow) {
    UniqueFont bold = MakeSansSerif(13, true);
    for (const PaintedLabel* label : {&about.Label5, &about.Label10}) {
        const TextInk ink(label->Caption, bold.get(), label->Width, label->Height,
                          DT_NOPREFIX | DT_NOCLIP | DT_CENTER, 100);
        for (int y = -100; y < label->Height + 100; ++y)
            for (int x = -100; x < label->Width + 100; ++x)
                if (ink.ink(x, y)) {
                    ASSERT_GE(label->Left + x, 1) << label->Caption;
                    ASSERT_LT(label->Left + x + 1, 193) << label->Caption;
                }
    }
}

// --- modal shows ---------------------------------------------------------------------------

TEST_F(HelpAboutTest, EnterAndEscapeCloseBothWindows) {
    for (TForm* form : std::initializer_list<TForm*>{&help, &about})
        for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
            const int result =
                ShowAnswered(*form, [key](HWND w) { PostMessageA(w, WM_KEYDOWN, key, 1); });
            EXPECT_NE(result, kStray) << TextOf(form->Handle()) << ", key " << key;
        }
}

TEST_F(HelpAboutTest, QuickHelpShownTwiceShowsTheSameTextAndOkayGivesOk) {
    std::vector<std::vector<COLORREF>> shots;
    for (int round = 0; round < 2; ++round) {
        bool visible = false;
        const int result = ShowAnswered(help, [&](HWND w) {
            visible = IsWindowVisible(w) != FALSE;
            Pixels shot(377, 235);
            PrintClient(w, shot);
            shots.push_back(shot.all());
            Click(help.SpeedButton1);
        });
        EXPECT_TRUE(visible) << "round " << round;
        EXPECT_EQ(result, mrOk) << "round " << round;
        EXPECT_FALSE(IsWindowVisible(help.Handle())) << "round " << round;
    }
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_EQ(shots[0], shots[1]);
    EXPECT_EQ(help.Label2.Caption, kExpectedHelp);
}

TEST_F(HelpAboutTest, QuickHelpIsDrawnOnTheScreenWithItsShadow) {
    int shadowed = 0;
    ShowAnswered(help, [&](HWND w) {
        UpdateWindow(w);
        WindowDC dc(w);
        // A light pixel of the help text with the dark copy showing one pixel right and down.
        for (int y = 3; y < 60; ++y)
            for (int x = 3; x < 200; ++x)
                if (GetPixel(dc.get(), x, y) == kHelpGreen &&
                    GetPixel(dc.get(), x + 1, y + 1) == windowText())
                    ++shadowed;
        Click(help.SpeedButton1);
    });
    EXPECT_GT(shadowed, 20);
}

TEST_F(HelpAboutTest, OkayAnswersBmClickWithOk) {
    const int result =
        ShowAnswered(help, [&](HWND) { SendMessageA(help.SpeedButton1, BM_CLICK, 0, 0); });
    EXPECT_EQ(result, mrOk);
}

TEST_F(HelpAboutTest, QuickHelpCloseCommandGivesCancel) {
    const int result =
        ShowAnswered(help, [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(IsWindowVisible(help.Handle()));
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(HelpAboutTest, MainWindowIsDisabledWhileQuickHelpIsOpenAndEnabledAfter) {
    bool mainEnabledDuring = true;
    ShowAnswered(help, [&](HWND) {
        mainEnabledDuring = IsWindowEnabled(main) != FALSE;
        Click(help.SpeedButton1);
    });
    EXPECT_FALSE(mainEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(HelpAboutTest, PressingOkayDoesNotGiveItTheFocus) {
    HWND focusAfterPress = nullptr;
    ShowAnswered(help, [&](HWND) {
        SendMessageA(help.SpeedButton1, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        focusAfterPress = GetFocus();
        SendMessageA(help.SpeedButton1, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    });
    EXPECT_NE(focusAfterPress, help.SpeedButton1);
}

TEST_F(HelpAboutTest, AboutButtonClosesTheWindowWithCancel) {
    bool visible = false;
    const int result = ShowAnswered(about, [&](HWND w) {
        visible = IsWindowVisible(w) != FALSE;
        Click(about.SpeedButton1);
    });
    EXPECT_TRUE(visible);
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(IsWindowVisible(about.Handle()));
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(HelpAboutTest, AboutCloseCommandGivesCancel) {
    const int result =
        ShowAnswered(about, [](HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(IsWindowVisible(about.Handle()));
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(HelpAboutTest, AboutOpensAgainAfterItsButtonClosedIt) {
    for (int round = 0; round < 2; ++round) {
        const int result = ShowAnswered(about, [&](HWND) { Click(about.SpeedButton1); });
        EXPECT_EQ(result, mrCancel) << "round " << round;
    }
    EXPECT_TRUE(IsWindow(about.Handle()));
}

TEST_F(HelpAboutTest, AboutButtonHasItsCaptionAndPlace) {
    EXPECT_EQ(TextOf(about.SpeedButton1), "Close");
    EXPECT_EQ(GetWindowLongA(about.SpeedButton1, GWL_STYLE) & WS_TABSTOP, 0);
    EXPECT_EQ(PlaceIn(about.SpeedButton1, about.Handle()), RectAt(12, 228, 169, 37));
}

TEST_F(HelpAboutTest, CloseRequestWhileHiddenKeepsTheWindows) {
    // The windows live as long as the program: a stray close request must not destroy them.
    SendMessageA(help.Handle(), WM_CLOSE, 0, 0);
    SendMessageA(about.Handle(), WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(help.Handle()));
    EXPECT_TRUE(IsWindow(about.Handle()));
    EXPECT_FALSE(IsWindowVisible(help.Handle()));
    EXPECT_EQ(ShowAnswered(help, [&](HWND) { Click(help.SpeedButton1); }), mrOk);
}

}  // namespace
