// Explorer's view: what Explorer shows for the selected extension, or for each extension of
// the selected file type.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/controls/ListBox.h"
#include "ui/window/Messages.h"
#include "ui/dialogs/UExplorerView.h"
#include "ui/main/Umain.h"

namespace {

constexpr const char* kNoExtensionToView = "This file type has no extension to look up!";

}  // namespace

void TfrmMain::ExplorerViewClick(ViewOf of) {
    Selection selected;
    if (!Selected(of, selected)) return;
    if (selected.extensions.empty()) return PlainMessage(Handle(), kNoExtensionToView);
    if (!FExplorerView) {
        auto view = std::make_unique<TfrmExplorerView>();
        view->Create();
        FExplorerView = std::move(view);
    }
    FExplorerView->ShowFor(selected.extensions, of == ViewOf::Type);
}
