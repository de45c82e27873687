// The tool and flat buttons as the system and screen readers see them: owner-drawn windows of
// the system's Button class, named by their window text, whose pressed state is the system's.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource.h"
#include "support/Pump.h"
#include "ui/ClientPixels.h"
#include "ui/FlatButton.h"
#include "ui/Gdi.h"
#include "ui/ToolButton.h"

namespace {

constexpr int kToolId = 11, kFlatId = 12;

// A parent that counts the clicks of its buttons, and a list beside them that holds the focus.
class OwnerDrawnButtons : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &OwnerDrawnButtons::ParentProc;
        wc.lpszClassName = "KestruneTestOwnerDrawnParent";
        RegisterClassA(&wc);
        parent = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 300, 200, nullptr, nullptr, nullptr, nullptr);
        list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent,
                               nullptr, nullptr, nullptr);
        tool = CreateToolButton(parent, kToolId, 150, 10, 40, 40, BMP_ADDEXT, "Add Extension");
        flat = CreateFlatButton(parent, kFlatId, "Okay", 150, 60, 89, 37, font.get());
        clicks = 0;
        SetFocus(list);
        PumpMessages();
    }
    void TearDown() override { DestroyWindow(parent); }

    static LRESULT CALLBACK ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++clicks;
        return DefWindowProcA(w, msg, wp, lp);
    }

    UniqueFont font = MakeSansSerif(11);
    HWND parent = nullptr, list = nullptr, tool = nullptr, flat = nullptr;
    static inline int clicks = 0;
};

std::string classOf(HWND w) {
    char name[32] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

std::string textOf(HWND w) {
    char text[64] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

TEST_F(OwnerDrawnButtons, AreOwnerDrawnSystemButtonsNamedByTheirHintOrCaption) {
    const struct {
        HWND button;
        const char* name;
    } kButtons[] = {{tool, "Add Extension"}, {flat, "Okay"}};
    for (const auto& b : kButtons) {
        EXPECT_EQ(lstrcmpiA(classOf(b.button).c_str(), "Button"), 0) << b.name;
        EXPECT_EQ(GetWindowLongA(b.button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << b.name;
        EXPECT_EQ(textOf(b.button), b.name);
    }
}

TEST_F(OwnerDrawnButtons, ToolButtonDrawsItsGlyphButNotItsHint) {
    HWND unnamed = CreateToolButton(parent, kToolId + 1, 200, 10, 40, 40, BMP_ADDEXT);
    Pixels named(40, 40), bare(40, 40);
    PrintClient(tool, named);
    PrintClient(unnamed, bare);
    EXPECT_EQ(named.all(), bare.all());
}

TEST_F(OwnerDrawnButtons, HeldButtonIsPushedForTheSystemAndTheFocusStays) {
    for (HWND button : {tool, flat}) {
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_TRUE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
        EXPECT_EQ(GetFocus(), list);
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    }
    EXPECT_EQ(clicks, 2);
}

TEST_F(OwnerDrawnButtons, ToolButtonAnswersBmClickWithOneClick) {
    SendMessageA(tool, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetFocus(), list);
}

}  // namespace
