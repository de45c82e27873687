#include "ui/main/CatalogueList.h"

#include "icons/IconExtract.h"
#include "ui/controls/ListBox.h"
#include "ui/window/Messages.h"

namespace {

// The catalogue's rows are the rows of lb; its messages are plain message boxes over the
// main window.
class FileTypeListView : public CatalogueView {
public:
    HWND list = nullptr;

    void RowAppended(const std::string& label) override {
        if (list) addRow(list, label);
    }
    void RowRemoved(int row) override {
        if (list) removeRow(list, row);
    }
    void ShowMessage(const std::string& text) override {
        PlainMessage(list ? GetParent(list) : nullptr, text);
    }
};

FileTypeListView& fileTypeList() {
    static FileTypeListView view;
    return view;
}

ShellIconSource& rowIcons() {
    static ShellIconSource icons;
    return icons;
}

}  // namespace

TCatalogue& Catalogue() {
    static TCatalogue catalogue(fileTypeList(), rowIcons());
    return catalogue;
}

void SetRowIconSize(int size) {
    if (size == rowIcons().Size()) return;
    // The rows let go of the shared fallback icon before the source releases it.
    Catalogue().ReloadIcons();
    rowIcons().SetSize(size);
}

void BindCatalogueList(HWND list) {
    fileTypeList().list = list;
}

void UnbindCatalogueList(HWND list) {
    if (fileTypeList().list == list) fileTypeList().list = nullptr;
}
