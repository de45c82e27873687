#include <string>

#include "ui/ListBox.h"
#include "ui/Umain.h"

void TfrmMain::lbClick() {
    clearRows(lbExt);
    // Also called by the commands when no row is selected (after deleting the first type):
    // then there is no slot to read, and the labels go back to their first state.
    const TEntry* entry = Catalogue().Entry(selectedRow(lb));
    if (!entry) {
        SetLabelCaption(lblIconName, kNoSelectionText);
        SetLabelCaption(lblIconOffset, kNoSelectionText);
        return;
    }
    for (const TExt* ext = entry->FirstExt; ext; ext = ext->NextInType) addRow(lbExt, ext->Name);
    SetLabelCaption(lblIconName, entry->IconFile);
    SetLabelCaption(lblIconOffset, std::to_string(entry->IconIndex));
    if (rowCount(lbExt) > 0) selectRow(lbExt, 0);
}

void TfrmMain::lbDblClick() {
    btnChangeIconClick();
}
