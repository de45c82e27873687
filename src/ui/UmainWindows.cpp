#include "ui/UAbout.h"
#include "ui/UHelp.h"
#include "ui/Umain.h"

// The About and Quick Help windows exist from start-up on; the result of their modal show
// is not used.
void TfrmMain::btnInfoClick() {
    if (frmAbout) frmAbout->ShowModal();
}

void TfrmMain::btnHelpClick() {
    if (frmHelp) frmHelp->ShowModal();
}
