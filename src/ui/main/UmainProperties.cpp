// The properties command: a type's description, key name and icon edited in the properties
// dialog, written to the catalogue and the file-type list first, then to the registry.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "catalogue/Schema.h"
#include "catalogue/TypeNameRules.h"
#include "icons/IconExtract.h"
#include "registry/ClassesView.h"
#include "registry/KeyName.h"
#include "ui/controls/ListBox.h"
#include "ui/window/Messages.h"
#include "ui/dialogs/UProperties.h"
#include "ui/main/Umain.h"

namespace {

bool sameKey(const std::string& a, const std::string& b) {
    return SameRegistryName(a, b);
}

// True when name is the key of a listed extension.
bool isExtensionKey(const std::string& name) {
    for (const TExt* ext = Catalogue().ExtHead; ext; ext = ext->Next)
        if (SameRegistryName(ext->Name, name)) return true;
    return false;
}

bool keyPresent(const std::string& name) {
    return ClassesView().KeyPresent(name);
}

}  // namespace

void TfrmMain::btnChangeIconClick() {
    const int slot = selectedRow(lb);
    TEntry* entry = Catalogue().Entry(slot);
    if (!entry) return PlainMessage(Handle(), "Select a File Type first!");
    if (!frmProperties) throw Exception("The properties dialog does not exist");

    const std::string oldName = entry->Name;
    const std::optional<TypeFields> edited =
        frmProperties->Edit({entry->Description, entry->Name, entry->IconFile, entry->IconIndex,
                             false, PartsText(ClassesView().KeyIn(oldName))});
    if (!edited) return;

    const std::string& name = edited->name;
    // An empty name would write into the root of HKEY_CLASSES_ROOT, a backslash into a key
    // nested in another, and the name of another existing key would take over that type.
    const std::string refusal = RenameRefusal(name, oldName, sameKey, keyPresent);
    if (!refusal.empty()) return PlainMessage(Handle(), refusal);
    // A type whose key is an extension's key too would take the extension along to its new
    // name, and the extension would be gone.
    if (!SameRegistryName(name, oldName) && isExtensionKey(oldName))
        return PlainMessage(Handle(), ExtensionKeyRenameRefusal(oldName));

    // Every extension key is pointed at the type again; a new name moves the type key. Keys
    // are compared case-blind by the registry, so a case-only rename finds its own key under the
    // new name and moves nothing; a type without a key of its own (its name names the root) has
    // nothing to move.
    ClassesPlan plan;
    for (const TExt* ext = entry->FirstExt; ext; ext = ext->NextInType)
        plan.push_back(SetText(ext->Name, kDefaultValue, name));
    if (!SameRegistryName(name, oldName) && !NamesBaseKey(oldName))
        plan.push_back(MoveTree(oldName, name));
    if (edited->iconChosen)
        WriteTypeKeys(plan, name, edited->description, edited->iconFile, edited->iconIndex);
    else
        WriteTypeDescription(plan, name, edited->description);
    const ChangeTitle title = name != oldName ? ChangeTitle{"Rename File Type", {oldName, name}}
                                              : ChangeTitle{"File Type Properties", {name}};
    MakeChange(title, plan, [&] {
        entry->Description = edited->description;
        Catalogue().RenameEntry(slot, name);
        // Without a choice of the user's, the icon stays as it was: the dialog may have shown
        // its fallback, the program's own icons, for a location it cannot show.
        if (edited->iconChosen) {
            entry->IconFile = edited->iconFile;
            entry->IconIndex = edited->iconIndex;
            Catalogue().SetIcon(
                slot, ExtractIconFrom(entry->IconFile, entry->IconIndex, Scaled(kIconSize)));
        }
        setRowText(lb, slot, RowLabel(*entry));
        lbClick();
        InvalidateRect(lb, nullptr, TRUE);
    });
}
