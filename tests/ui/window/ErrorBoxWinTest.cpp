// The error box: an error raised inside a handler is caught at the window procedure, shown
// with the stop icon and the application title, and the program goes on.

#include <gtest/gtest.h>
#include <windows.h>

#include "registry/TRegistry.h"
#include "support/Cases.h"
#include "support/ModalDriver.h"
#include "support/Pump.h"
#include "ui/window/ErrorBoundary.h"
#include "ui/window/Form.h"
#include "ui/window/Messages.h"

namespace {

const TextCase kErrorBoxTexts[] = {
    {"TextEndingInALetterGetsAFullStop",
     {{"Failed to create key Settings", "Failed to create key Settings."}}},
    {"TextEndingInAFullStopStaysAsItIs", {{"Nothing more.", "Nothing more."}}},
    {"TextEndingInAQuoteStaysAsItIs",
     {{"Invalid data type for 'DefaultDir'", "Invalid data type for 'DefaultDir'"},
      {"Invalid data type for ''", "Invalid data type for ''"}}},
    {"TextEndingInADigitGetsAFullStop",
     {{"Failed to create key .ext2", "Failed to create key .ext2."}}},
    {"CharactersJustBelowTheFullStopGetNone", {{"a-", "a-"}, {"a,", "a,"}, {"a!", "a!"}}},
    {"SlashAndBackslashGetOne", {{"key a/", "key a/."}, {"key a\\", "key a\\."}}},
    {"CharactersAbove127SortAfterTheFullStop", {{"caf\xE9", "caf\xE9."}}},
    {"EmptyTextStaysEmpty", {{"", ""}}},
};

class ErrorBoxTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorBoxTextTest, Gives) {
    for (const auto& [text, shown] : GetParam().io) EXPECT_EQ(ErrorBoxText(text), shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorBoxTextTest, ::testing::ValuesIn(kErrorBoxTexts), CaseName());

void raiseRegistryError(const char* text) {
    throw ERegistryException(text);
}

// A window whose handler raises a registry error on a message of its own.
constexpr UINT kFailingCommand = WM_APP + 1;
constexpr UINT kWorkingCommand = WM_APP + 2;

class FailingForm : public TForm {
public:
    void Create() {
        FormStyle style{};
        style.className = "KestruneTestFailingForm";
        style.caption = "failing";
        style.style = WS_OVERLAPPEDWINDOW;
        style.clientWidth = 200;
        style.clientHeight = 100;
        CreateForm(style);
    }
    int afterRaise = 0;
    int worked = 0;

protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == kFailingCommand) {
            raiseRegistryError("Failed to get data for 'v'");
            ++afterRaise;
        }
        if (msg == kWorkingCommand) {
            ++worked;
            return 7;
        }
        return TForm::WndProc(msg, wp, lp);
    }
};

TEST(ErrorBox, HandlerErrorIsShownWithTheStopIconTitleAndOneOkButton) {
    FailingForm form;
    form.Create();
    ModalDriver modal;
    modal.ExpectMessageBox("Failed to get data for 'v'");

    const LRESULT result = SendMessageA(form.Handle(), kFailingCommand, 0, 0);

    EXPECT_EQ(result, 0);
    ASSERT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(modal.MessageBoxes()[0].caption, "Kestrune");
    EXPECT_EQ(modal.MessageBoxes()[0].icon, LoadIcon(nullptr, IDI_HAND));
    EXPECT_EQ(modal.MessageBoxes()[0].buttons, std::vector<std::string>{"OK"});
}

TEST(ErrorBox, HandlerEndsAtTheErrorAndTheWindowGoesOn) {
    FailingForm form;
    form.Create();
    ModalDriver modal;
    modal.AnswerMessageBox();

    SendMessageA(form.Handle(), kFailingCommand, 0, 0);

    EXPECT_EQ(form.afterRaise, 0);
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_EQ(SendMessageA(form.Handle(), kWorkingCommand, 0, 0), 7);
    EXPECT_EQ(form.worked, 1);
}

TEST(ErrorBox, TextGetsItsFullStopWhenItEndsInALetter) {
    ModalDriver modal;
    modal.ExpectMessageBox("Failed to set data for 'x' at last.");
    RunGuarded(nullptr, [] { throw ERegistryException("Failed to set data for 'x' at last"); });
    EXPECT_EQ(modal.Pending(), 0u);
}

TEST(ErrorBox, GuardedWorkReportsWhetherItRaised) {
    ModalDriver modal;
    modal.AnswerMessageBox();
    EXPECT_FALSE(RunGuarded(nullptr, [] { throw std::runtime_error("boom"); }));
    EXPECT_TRUE(RunGuarded(nullptr, [] {}));
    EXPECT_EQ(modal.MessageBoxes().size(), 1u);
}

// A modal window whose FormShow raises, as the properties dialog's does when its grid has no
// room for the icons.
class FailingShowForm : public TForm {
public:
    void Create() {
        FormStyle style{};
        style.className = "KestruneTestFailingShowForm";
        style.caption = "failing show";
        style.style = WS_POPUP | WS_CAPTION;
        style.clientWidth = 100;
        style.clientHeight = 50;
        CreateForm(style);
    }
    int hidden = 0;

protected:
    void FormShow() override { throw ERegistryException("Failed to get data for 'icons'"); }
    void FormHide() override { ++hidden; }
};

TEST(ErrorBox, ErrorWhileAModalWindowOpensEndsItsModalStateAndTheCommandGoesOnRaising) {
    FailingForm owner;
    owner.Create();
    ShowWindow(owner.Handle(), SW_SHOW);
    FailingShowForm dialog;
    dialog.Create();

    EXPECT_THROW(dialog.ShowModal(), ERegistryException);

    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(ActiveModalWindow(), nullptr);
    EXPECT_EQ(dialog.hidden, 1);
    PumpMessages();
}

TEST(PlainMessageBox, HasTheTitleNoIconAndOneOkButton) {
    ModalDriver modal;
    modal.ExpectMessageBox("Select a File Type first!");

    PlainMessage(nullptr, "Select a File Type first!");

    ASSERT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(modal.MessageBoxes()[0].caption, "Kestrune");
    EXPECT_EQ(modal.MessageBoxes()[0].icon, nullptr);
    EXPECT_EQ(modal.MessageBoxes()[0].buttons, std::vector<std::string>{"OK"});
}

}  // namespace
