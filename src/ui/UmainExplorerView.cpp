// Explorer's view: what Explorer shows for the selected extension, or for each extension of
// the selected file type.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/ListBox.h"
#include "ui/Messages.h"
#include "ui/UExplorerView.h"
#include "ui/Umain.h"

namespace {

constexpr const char* kNoExtensionToView = "This file type has no extension to look up!";

}  // namespace

void TfrmMain::ExplorerViewClick(ViewOf of) {
    std::vector<std::string> extensions;
    if (of == ViewOf::Extension) {
        const int row = selectedRow(lbExt);
        if (row < 0) return PlainMessage(Handle(), "Select an Extension first!");
        extensions.push_back(rowText(lbExt, row));
    } else {
        const TEntry* entry = Catalogue().Entry(selectedRow(lb));
        if (!entry) return PlainMessage(Handle(), "Select a File Type first!");
        for (const TExt* ext = entry->FirstExt; ext; ext = ext->NextInType)
            extensions.push_back(ext->Name);
        if (extensions.empty()) return PlainMessage(Handle(), kNoExtensionToView);
    }
    if (!FExplorerView) {
        auto view = std::make_unique<TfrmExplorerView>();
        view->Create();
        FExplorerView = std::move(view);
    }
    FExplorerView->ShowFor(extensions, 0, of == ViewOf::Type);
}
