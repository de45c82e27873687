#include "app/Program.h"

#include <windows.h>

#include "ui/ErrorBoundary.h"
#include "ui/UAbout.h"
#include "ui/UAddExt.h"
#include "ui/UHelp.h"
#include "ui/UProperties.h"
#include "ui/Umain.h"

bool CreateProgramWindows() {
    // The windows live until the process ends; nothing frees them at exit.
    RunGuarded(nullptr, [] {
        auto* main = new TfrmMain;
        frmMain = main;
        main->Create();
    });
    if (!frmMain || !frmMain->Handle()) return false;
    RunGuarded(frmMain->Handle(), [] {
        frmAddExt = new TfrmAddExt;
        frmAddExt->Create();
    });
    RunGuarded(frmMain->Handle(), [] {
        frmProperties = new TfrmProperties;
        frmProperties->Create();
    });
    RunGuarded(frmMain->Handle(), [] {
        frmAbout = new TfrmAbout;
        frmAbout->Create();
    });
    RunGuarded(frmMain->Handle(), [] {
        frmHelp = new TfrmHelp;
        frmHelp->Create();
    });
    return true;
}

int RunMessageLoop(int showCommand) {
    frmMain->Show(showCommand);
    MSG msg{};
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        // Tab and the arrow keys move between the main window's controls.
        if (IsDialogMessageA(frmMain->Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}
