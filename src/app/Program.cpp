#include "app/Program.h"

#include <windows.h>

#include "ui/window/ErrorBoundary.h"
#include "ui/dialogs/UAbout.h"
#include "ui/dialogs/UAddExt.h"
#include "ui/dialogs/UHelp.h"
#include "ui/dialogs/UProperties.h"
#include "ui/main/Umain.h"

namespace {

// Creates one of the program's windows into slot behind the error boundary, with the error
// box over owner. The windows live until the process ends; nothing frees them at exit.
template <class Form>
void createWindow(Form*& slot, HWND owner) {
    RunGuarded(owner, [&] {
        slot = new Form;
        slot->Create();
    });
}

}  // namespace

bool CreateProgramWindows() {
    createWindow(frmMain, nullptr);
    if (!frmMain || !frmMain->Handle()) return false;
    createWindow(frmAddExt, frmMain->Handle());
    createWindow(frmProperties, frmMain->Handle());
    createWindow(frmAbout, frmMain->Handle());
    createWindow(frmHelp, frmMain->Handle());
    return true;
}

int RunMessageLoop(int showCommand) {
    frmMain->Show(showCommand);
    MSG msg{};
    BOOL got;
    // The loop takes its messages wide: through GetMessageA a typed character outside the
    // keyboard's code page would arrive as "?". The system converts for the ANSI windows.
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (frmMain->TranslateShortcut(msg)) continue;
        // Tab and the arrow keys move between the main window's controls.
        if (IsDialogMessageW(frmMain->Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}
