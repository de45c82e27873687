// The flat button: flat at rest, raised under the mouse, sunken while pressed; clicks reach the
// parent as BN_CLICKED and the keyboard focus never moves to it.

#include <gtest/gtest.h>
#include <windows.h>

#include "support/ButtonHost.h"
#include "ui/ClientPixels.h"
#include "ui/controls/FlatButton.h"
#include "ui/window/Gdi.h"

namespace {

constexpr int kButtonId = 654;
constexpr int kWidth = 89, kHeight = 37;

// A parent with a list that holds the focus and a flat button beside it; it counts the
// clicks it is told about.
class FlatButtonTest : public ButtonHostTest {
protected:
    FlatButtonTest() : ButtonHostTest(kButtonId) {}
    void SetUp() override {
        button = CreateFlatButton(parent, kButtonId, "Okay", 150, 10, kWidth, kHeight, font.get());
        FocusList();
    }

    void Press(int x, int y) { SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Hover(int x, int y) { SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    void Release(int x, int y) { SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    // The colours of the button's top-left and bottom-right corner pixels as drawn now.
    std::pair<COLORREF, COLORREF> Corners() {
        Pixels shot(kWidth, kHeight);
        PrintClient(button, shot);
        return {shot.at(0, 0), shot.at(kWidth - 1, kHeight - 1)};
    }

    UniqueFont font = MakeSansSerif(11);
    HWND button = nullptr;
};

TEST_F(FlatButtonTest, PressAndReleaseOnTheButtonIsOneClick) {
    Press(20, 20);
    Release(20, 20);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FlatButtonTest, ReleaseOutsideTheButtonIsNoClick) {
    Press(20, 20);
    Release(kWidth + 20, 20);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(PushedForTheSystem(button));
}

TEST_F(FlatButtonTest, ReleaseWithoutPressIsNoClick) {
    Release(20, 20);
    EXPECT_EQ(clicks, 0);
}

TEST_F(FlatButtonTest, BmClickIsOneClick) {
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FlatButtonTest, DisabledButtonIgnoresBmClick) {
    EnableWindow(button, FALSE);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(FlatButtonTest, PressingLeavesTheFocusWhereItWas) {
    Press(20, 20);
    EXPECT_EQ(GetFocus(), list);
    Release(20, 20);
    EXPECT_EQ(GetFocus(), list);
}

TEST_F(FlatButtonTest, IsAnOwnerDrawnSystemButtonNamedByItsCaption) {
    ExpectSystemButtonNamed(button, "Okay");
}

TEST_F(FlatButtonTest, IsNoTabStop) {
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP, 0);
}

TEST_F(FlatButtonTest, IsFlatAtRest) {
    const auto [topLeft, bottomRight] = Corners();
    EXPECT_EQ(topLeft, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(bottomRight, GetSysColor(COLOR_BTNFACE));
}

TEST_F(FlatButtonTest, IsRaisedUnderTheMouse) {
    Hover(20, 20);
    ASSERT_TRUE(HotForTheSystem(button));
    const auto [topLeft, bottomRight] = Corners();
    EXPECT_EQ(topLeft, GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(bottomRight, GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(FlatButtonTest, IsFlatAgainWhenTheMouseLeaves) {
    Hover(20, 20);
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(HotForTheSystem(button));
    EXPECT_EQ(Corners().first, GetSysColor(COLOR_BTNFACE));
}

TEST_F(FlatButtonTest, IsSunkenWhilePressed) {
    Press(20, 20);
    ASSERT_TRUE(PushedForTheSystem(button));
    const auto [topLeft, bottomRight] = Corners();
    EXPECT_EQ(topLeft, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(bottomRight, GetSysColor(COLOR_BTNHIGHLIGHT));
    Release(20, 20);
    EXPECT_FALSE(PushedForTheSystem(button));
}

TEST_F(FlatButtonTest, DrawsItsCaptionCentred) {
    Pixels shot(kWidth, kHeight);
    PrintClient(button, shot);
    const TextInk ink("Okay", font.get(), kWidth, kHeight,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, 0);
    int drawn = 0, wrong = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool text = shot.at(x, y) == GetSysColor(COLOR_BTNTEXT);
            drawn += text;
            wrong += text != ink.ink(x, y);
        }
    EXPECT_GT(drawn, 20);
    EXPECT_EQ(wrong, 0);
}

TEST_F(FlatButtonTest, LosingTheMouseCaptureCancelsThePress) {
    Press(20, 20);
    ReleaseCapture();
    EXPECT_FALSE(PushedForTheSystem(button));
    Release(20, 20);
    EXPECT_EQ(clicks, 0);
}

}  // namespace
