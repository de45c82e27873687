#pragma once
// A fixture for tests of a button: a visible top-level window with a list box beside the
// button that holds the keyboard focus. The window counts the clicks (BN_CLICKED) that the
// button with the given id reports to it.
//
//     class MyButtonTest : public ButtonHostTest {
//     protected:
//         MyButtonTest() : ButtonHostTest(kButtonId) {}
//         void SetUp() override {
//             button = CreateMyButton(parent, kButtonId, ...);
//             FocusList();
//         }
//         HWND button = nullptr;
//     };

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "support/Pump.h"
#include "support/WindowInfo.h"

class ButtonHostTest : public ::testing::Test {
protected:
    explicit ButtonHostTest(int buttonId) : buttonId_(buttonId) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &ButtonHostTest::ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "KestruneTestButtonHost";
        RegisterClassA(&wc);  // fails harmlessly once an earlier test registered it
        parent = CreateWindowExA(0, wc.lpszClassName, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                 0, 300, 200, nullptr, nullptr, wc.hInstance, this);
        list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 100, 100,
                               parent, nullptr, wc.hInstance, nullptr);
    }
    // The window goes, and the button with it, before the fixture's own members.
    void TearDown() override { DestroyWindow(parent); }

    // The list takes the focus and the windows settle; call it once the button is made.
    void FocusList() {
        SetFocus(list);
        PumpMessages();
    }

    // The button as the system and screen readers see it: an owner-drawn window of the
    // system's Button class, named by its window text.
    static void ExpectSystemButtonNamed(HWND button, const std::string& name) {
        EXPECT_EQ(lstrcmpiA(ClassOf(button).c_str(), "Button"), 0) << name;
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW) << name;
        EXPECT_EQ(TextOf(button), name);
    }
    static bool PushedForTheSystem(HWND button) {
        return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    }
    static bool HotForTheSystem(HWND button) {
        return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_HOT) != 0;
    }
    static HBITMAP PictureOf(HWND button) {
        return reinterpret_cast<HBITMAP>(SendMessageA(button, BM_GETIMAGE, IMAGE_BITMAP, 0));
    }

    HWND parent = nullptr, list = nullptr;
    int clicks = 0;

private:
    static LRESULT CALLBACK ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrA(w, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<const CREATESTRUCTA*>(lp)->lpCreateParams));
        auto* host = reinterpret_cast<ButtonHostTest*>(GetWindowLongPtrA(w, GWLP_USERDATA));
        if (host && msg == WM_COMMAND && LOWORD(wp) == host->buttonId_ && HIWORD(wp) == BN_CLICKED)
            ++host->clicks;
        return DefWindowProcA(w, msg, wp, lp);
    }

    int buttonId_;
};
