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

}  // namespace

TCatalogue& Catalogue() {
    static ShellIconSource icons;
    static TCatalogue catalogue(fileTypeList(), icons);
    return catalogue;
}

void BindCatalogueList(HWND list) {
    fileTypeList().list = list;
}

void UnbindCatalogueList(HWND list) {
    if (fileTypeList().list == list) fileTypeList().list = nullptr;
}
