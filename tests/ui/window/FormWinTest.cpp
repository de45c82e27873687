// A form and its window: bound from WM_NCCREATE to WM_NCDESTROY.

#include <gtest/gtest.h>
#include <windows.h>

#include "base/Exception.h"
#include "support/Raised.h"
#include "ui/window/Form.h"

namespace {

// A form that records what its handler sees while the window is created, and may refuse the
// creation at WM_CREATE.
class WatchedForm : public TForm {
public:
    explicit WatchedForm(bool refuse = false) : refuse_(refuse) {}
    void Create() {
        CreateForm(
            FormStyle{"KestruneTestWatchedForm", "watched", WS_OVERLAPPEDWINDOW, 0, 200, 100});
    }
    bool sawNcCreate = false;
    HWND handleAtCreate = nullptr;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_NCCREATE) sawNcCreate = true;
        if (msg == WM_CREATE) {
            handleAtCreate = Handle();
            if (refuse_) return -1;
        }
        return TForm::WndProc(msg, wp, lp);
    }

private:
    bool refuse_;
};

TEST(Form, MessagesOfItsCreationReachTheForm) {
    WatchedForm form;
    form.Create();
    ASSERT_NE(form.Handle(), nullptr);
    EXPECT_TRUE(form.sawNcCreate);
    EXPECT_EQ(form.handleAtCreate, form.Handle());
}

TEST(Form, WindowDestroyedFromOutsideLeavesTheFormWithoutHandle) {
    WatchedForm form;
    form.Create();
    ASSERT_TRUE(DestroyWindow(form.Handle()));
    EXPECT_EQ(form.Handle(), nullptr);
}

TEST(Form, CreationRefusedAtWmCreateRaisesAndLeavesTheFormWithoutHandle) {
    WatchedForm form(true);
    EXPECT_EQ(RaisedMessage<Exception>([&] { form.Create(); }),
              "The window \"watched\" cannot be created");
    EXPECT_NE(form.handleAtCreate, nullptr);
    EXPECT_EQ(form.Handle(), nullptr);
}

}  // namespace
