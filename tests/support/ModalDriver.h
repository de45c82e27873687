#pragma once
// Answers the modal windows that the code under test opens on the test's own thread. A modal
// window runs its own message loop, so the test cannot act while it is open; a thread timer
// (SetTimer without a window) fires inside that loop, finds the window and answers it.
//
//     ModalDriver modal;
//     modal.ExpectMessageBox("Select a File Type first!");        // read it, press OK
//     SendMessageA(form, WM_COMMAND, MAKEWPARAM(IDC_BTNCHANGEICON, BN_CLICKED), 0);
//     EXPECT_EQ(modal.MessageBoxes().at(0).icon, nullptr);
//
//     modal.AnswerNextModal([](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); },
//                           [&](HWND w) { return w == frmHelp->Handle(); });
//
// Answers are used in the order they were queued. A message box that comes when no answer is
// queued fails the test and is closed, so a test never hangs on one. When the driver goes,
// answers still queued fail the test. Only one driver may live at a time.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

// What a message box showed.
struct SeenMessageBox {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;  // captions of its buttons, in their order
    HICON icon = nullptr;              // the icon it shows; nullptr for none
};

// The system's message box (and dialog) window class.
bool IsMessageBoxWindow(HWND w);
SeenMessageBox ReadMessageBox(HWND box);
// Presses the button with that id, as a click on it would.
void PressDialogButton(HWND dialog, int id);

class ModalDriver {
public:
    using Answer = std::function<void(HWND)>;
    using Match = std::function<bool(HWND)>;

    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // The next visible, enabled top-level window of this thread that match accepts gets
    // answer called on it.
    void AnswerNextModal(Answer answer, Match match = IsMessageBoxWindow);
    // The next message box is recorded and its button pressed.
    void AnswerMessageBox(int button = IDOK);
    // As AnswerMessageBox, and its text must be expectedText.
    void ExpectMessageBox(const std::string& expectedText, int button = IDOK);

    // The window w may be answered again: a window of the test's that stays open while the
    // test goes on in the windows it opens.
    void Forget(HWND w);

    // Every message box answered so far, in order (unexpected ones included).
    const std::vector<SeenMessageBox>& MessageBoxes() const { return seen_; }
    // Answers queued and not used yet.
    size_t Pending() const { return queue_.size(); }

private:
    struct Queued {
        Answer answer;
        Match match;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    UINT_PTR timer_ = 0;
    std::deque<Queued> queue_;
    std::vector<HWND> answered_;
    std::vector<SeenMessageBox> seen_;
};
