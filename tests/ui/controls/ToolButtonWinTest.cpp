// The tool button: clicks reach the parent as BN_CLICKED, the keyboard focus never moves to it.

#include <gtest/gtest.h>
#include <windows.h>

#include "res/resource.h"
#include "support/ButtonHost.h"
#include "ui/ClientPixels.h"
#include "ui/controls/ToolButton.h"

namespace {

constexpr int kButtonId = 321;

// A parent window with a list that holds the focus and a tool button beside it; it counts
// the clicks it is told about.
class ToolButtonTest : public ButtonHostTest {
protected:
    ToolButtonTest() : ButtonHostTest(kButtonId) {}
    void SetUp() override {
        button = CreateToolButton(parent, kButtonId, 150, 10, 40, 40, BMP_ADDEXT);
        FocusList();
    }

    void Press(int x, int y) { SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Move(int x, int y) { SendMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Release(int x, int y) { SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    HWND button = nullptr;
};

TEST_F(ToolButtonTest, PressAndReleaseOnTheButtonIsOneClick) {
    Press(20, 20);
    Release(20, 20);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolButtonTest, BmClickIsOneClick) {
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetFocus(), list);
}

// Its hint is its name for screen readers, and is not drawn.
TEST_F(ToolButtonTest, IsAnOwnerDrawnSystemButtonNamedByItsHint) {
    HWND named =
        CreateToolButton(parent, kButtonId + 1, 200, 10, 40, 40, BMP_ADDEXT, "Add Extension");
    ExpectSystemButtonNamed(named, "Add Extension");
    Pixels drawn(40, 40), bare(40, 40);
    PrintClient(named, drawn);
    PrintClient(button, bare);
    EXPECT_EQ(drawn.all(), bare.all());
}

TEST_F(ToolButtonTest, PressingLeavesTheFocusWhereItWas) {
    Press(20, 20);
    EXPECT_EQ(GetFocus(), list);
    Release(20, 20);
    EXPECT_EQ(GetFocus(), list);
}

TEST_F(ToolButtonTest, IsNoTabStop) {
    EXPECT_FALSE(GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ToolButtonTest, IsDrawnDownWhileHeldOverIt) {
    Press(20, 20);
    EXPECT_TRUE(PushedForTheSystem(button));
    Move(100, 20);
    EXPECT_FALSE(PushedForTheSystem(button));
    Move(30, 30);
    EXPECT_TRUE(PushedForTheSystem(button));
    Release(30, 30);
    EXPECT_FALSE(PushedForTheSystem(button));
}

TEST_F(ToolButtonTest, ReleaseOutsideTheButtonIsNoClick) {
    Press(20, 20);
    Move(100, 20);
    Release(100, 20);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(PushedForTheSystem(button));
}

TEST_F(ToolButtonTest, ReleaseWithoutPressIsNoClick) {
    Release(20, 20);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ToolButtonTest, LosingTheMouseCaptureCancelsThePress) {
    Press(20, 20);
    ReleaseCapture();
    Release(20, 20);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(PushedForTheSystem(button));
}

TEST_F(ToolButtonTest, MissingGlyphResourceGivesAButtonWithoutPicture) {
    HWND bare = CreateToolButton(parent, kButtonId + 1, 200, 10, 40, 40, "NO_SUCH_BITMAP");
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(PictureOf(bare), nullptr);
    UpdateWindow(bare);  // paints without a picture
}

}  // namespace
