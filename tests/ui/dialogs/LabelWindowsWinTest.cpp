// The labels of Quick Help and About are windows of class Static carrying their texts, one
// window for both copies of a shadowed label, so that screen readers find them; on the screen
// every pixel stays as the window paints its labels itself.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/ClientPixels.h"
#include "support/ModalDriver.h"
#include "support/Pump.h"
#include "support/WindowInfo.h"
#include "ui/dialogs/UAbout.h"
#include "ui/dialogs/UHelp.h"

namespace {

struct LabelWindow {
    std::string text;
    RECT place;  // client coordinates of the form
    bool operator==(const LabelWindow& o) const { return text == o.text && place == o.place; }
};

void PrintTo(const LabelWindow& w, std::ostream* os) {
    *os << "\"" << w.text.substr(0, 24) << "\" at " << w.place.left << "," << w.place.top << "-"
        << w.place.right << "," << w.place.bottom;
}

BOOL CALLBACK collectStatic(HWND w, LPARAM p) {
    if (_stricmp(ClassOf(w).c_str(), "Static") == 0)
        reinterpret_cast<std::vector<LabelWindow>*>(p)->push_back({TextOf(w), PlaceInParent(w)});
    return TRUE;
}

std::vector<LabelWindow> StaticChildren(HWND form) {
    std::vector<LabelWindow> found;
    EnumChildWindows(form, collectStatic, reinterpret_cast<LPARAM>(&found));
    return found;
}

class LabelWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        help.Create();
        about.Create();
    }

    // The client area as the screen shows it while form is shown modally, and as the form
    // paints it alone; the flat button's place is left out of both. The system may copy a
    // window's drawing to the screen a moment after it was drawn: while they differ, the
    // screen is read again for up to two seconds.
    void Compare(TForm& form, HWND button) {
        RECT client;
        GetClientRect(form.Handle(), &client);
        Pixels screen(client.right, client.bottom), painted(client.right, client.bottom);
        const RECT skip = PlaceIn(button, form.Handle());
        int differ = -1;
        ModalDriver modal;
        modal.AnswerNextModal(
            [&](HWND w) {
                RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                PrintClient(w, painted);
                POINT origin{0, 0};
                ClientToScreen(w, &origin);
                PumpUntil(
                    [&] {
                        const WindowDC desktop(nullptr);
                        BitBlt(screen.dc(), 0, 0, client.right, client.bottom, desktop.get(),
                               origin.x, origin.y, SRCCOPY);
                        differ = 0;
                        for (int y = 0; y < client.bottom; ++y)
                            for (int x = 0; x < client.right; ++x)
                                differ += !PtInRect(&skip, POINT{x, y}) &&
                                          screen.at(x, y) != painted.at(x, y);
                        return differ == 0;
                    },
                    2000);
                PostMessageA(w, WM_CLOSE, 0, 0);
            },
            [&](HWND w) { return w == form.Handle(); });
        form.ShowModal();
        EXPECT_EQ(differ, 0);
    }

    TfrmHelp help;
    TfrmAbout about;
};

TEST_F(LabelWindowTest, QuickHelpHasOneForTheHelpAndOneForTheWarning) {
    EXPECT_EQ(StaticChildren(help.Handle()),
              (std::vector<LabelWindow>{{help.Label1.Caption, {3, 3, 374, 194}},
                                        {help.Label3.Caption, {3, 195, 268, 228}}}));
}

TEST_F(LabelWindowTest, AboutHasOneForEachTextOnce) {
    EXPECT_EQ(StaticChildren(about.Handle()),
              (std::vector<LabelWindow>{{"Kestrune v1.1", {18, 3, 174, 20}},
                                        {"visit our Web Site at:", {45, 64, 143, 77}},
                                        {about.Label6.Caption, {27, 80, 163, 97}},
                                        {about.Label7.Caption, {26, 172, 163, 201}},
                                        {about.Label11.Caption, {45, 200, 143, 217}}}));
}

TEST_F(LabelWindowTest, QuickHelpOnTheScreenIsWhatItPaints) {
    Compare(help, help.SpeedButton1);
}

TEST_F(LabelWindowTest, AboutOnTheScreenIsWhatItPaints) {
    Compare(about, about.SpeedButton1);
}

}  // namespace
