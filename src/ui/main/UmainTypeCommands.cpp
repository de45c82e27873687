// The commands on whole file types: Add File Type, which asks for the new type in the
// properties dialog, and Delete File Type, which removes a type that has no extensions left.

#include <windows.h>

#include <optional>
#include <string>

#include "base/Exception.h"
#include "catalogue/Schema.h"
#include "catalogue/TypeNameRules.h"
#include "registry/ClassesView.h"
#include "registry/KeyName.h"
#include "ui/controls/ListBox.h"
#include "ui/window/Messages.h"
#include "ui/dialogs/UProperties.h"
#include "ui/main/Umain.h"

namespace {

// True when the registry holds a key of that name, or a listed type has it, in any letter case.
bool typeKeyTaken(const std::string& name) {
    for (std::int32_t slot = 0; slot < Catalogue().EntryCount; ++slot)
        if (SameRegistryName(Catalogue().Entry(slot)->Name, name)) return true;
    return ClassesView().KeyPresent(name);
}

}  // namespace

void TfrmMain::btnAddFileTypeClick() {
    if (!frmProperties) throw Exception("The properties dialog does not exist");
    const std::optional<TypeFields> added = frmProperties->Edit({"", "", "", 0, false, ""});
    if (!added) return;

    if (Catalogue().EntryCount >= kMaxEntries) return PlainMessage(Handle(), kTableFullMessage);
    // An empty name would write into the root of HKEY_CLASSES_ROOT, a backslash into a key
    // nested in another.
    const std::string& name = added->name;
    const std::string refusal = NewTypeNameRefusal(name);
    if (!refusal.empty()) return PlainMessage(Handle(), refusal);
    // The key of another type, or any other key, would be taken over: its description and
    // icon replaced, and a second row shown for it.
    if (typeKeyTaken(name)) return PlainMessage(Handle(), KeyExistsMessage(name));

    ClassesPlan plan;
    WriteTypeKeys(plan, name, added->description, added->iconFile, added->iconIndex);
    MakeChange({"Add File Type", {name}}, plan, [&] {
        const int slot =
            Catalogue().AppendType(added->description, name, added->iconFile, added->iconIndex);
        if (!Catalogue().Entry(slot)) throw Exception(kTableFullMessage);
        // Selecting the row scrolls the list to it.
        selectRow(lb, slot);
        lbClick();
        RedrawWindow(lb, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
}

void TfrmMain::btnDelFileTypeClick() {
    const int slot = selectedRow(lb);
    const TEntry* entry = Catalogue().Entry(slot);
    if (!entry) return PlainMessage(Handle(), "Select a File Type first!");
    if (rowCount(lbExt) > 0) return PlainMessage(Handle(), "Delete all file extensions first!");
    // A type whose name is empty lives in no key of its own: deleting "its" key would delete
    // every key of HKEY_CLASSES_ROOT.
    if (NamesBaseKey(entry->Name)) return PlainMessage(Handle(), kNamelessTypeUndeletable);

    // A key that is gone already still leaves the catalogue.
    const std::string name = entry->Name;
    if (!MakeChange({"Delete File Type", {name}}, {DeleteTree(name)})) return;
    // Only the user's own setting went: the one for all users shows now.
    if (ClassesView().KeyPresent(name)) return RefreshLists();
    Catalogue().RemoveEntry(slot);
    // The row above takes the selection; after the first row, the new first row does.
    const int rows = rowCount(lb);
    selectRow(lb, slot > 0 ? slot - 1 : (rows > 0 ? 0 : -1));
    lbClick();
}
