// The commands on extensions: Add, Delete and Find. Each writes the registry first, then the
// catalogue, then rebuilds the extension list through lbClick.

#include <windows.h>

#include <optional>
#include <string>

#include "base/AnsiText.h"
#include "base/Exception.h"
#include "catalogue/ExtName.h"
#include "base/RegistryText.h"
#include "base/Utf8.h"
#include "catalogue/Schema.h"
#include "registry/ClassesView.h"
#include "catalogue/TypeNameRules.h"
#include "registry/KeyName.h"
#include "ui/system/ConfirmBox.h"
#include "ui/controls/ListBox.h"
#include "ui/window/Messages.h"
#include "ui/dialogs/UAddExt.h"
#include "ui/main/Umain.h"

namespace {

constexpr const char* kSelectTypeFirst = "Select a File Type first!";
constexpr const char* kSelectExtFirst = "Select an Extension first!";
constexpr const char* kEmptyExtension = "Cannot add an empty extension";
constexpr const char* kExtensionExists = "Cannot add an extension which already exists!";
constexpr const char* kBackslashInExtension = "An extension cannot contain a backslash!";

// Shows the shared dialog under caption: the text typed, when it was closed with OK.
std::optional<std::string> askForExtension(const char* caption) {
    if (!frmAddExt) throw Exception("The Add Extension dialog does not exist");
    return frmAddExt->Ask(caption);
}

// Letters of every script compare as the user's locale has them, case ignored. The texts are
// compared in UTF-16: CompareStringA would read them in the locale's code page, not in the
// program's UTF-8.
bool sameIgnoringCase(const std::string& a, const std::string& b) {
    const std::wstring wa = WideFromAnsi(a), wb = WideFromAnsi(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(),
                          static_cast<int>(wa.size()), wb.data(),
                          static_cast<int>(wb.size())) == CSTR_EQUAL;
}

// The catalogue tells extensions apart by the case of every letter but the ASCII ones; the
// registry ignores case in all scripts and keeps one key for ".Ä" and ".ä". An added
// extension whose key is that of a listed one would repoint the listed one's key. The test is
// the registry's own rule, not the locale's, which also passes over characters such as the
// soft hyphen that make a key of their own.
bool registryKeyOfAnExtension(const std::string& ext) {
    for (const TExt* e = Catalogue().ExtHead; e; e = e->Next)
        if (SameRegistryName(e->Name, ext)) return true;
    return false;
}

// The type an extension key the registry holds names ("" for none, or a default value that is
// no text); nothing when there is no such key.
std::optional<std::string> typeOfExtensionKey(const std::string& ext) {
    ClassesView view;
    if (!view.KeyPresent(ext)) return std::nullopt;
    try {
        return view.ReadText(ext, kDefaultValue, "");
    } catch (const ERegistryException&) {
        return std::string();
    }
}

}  // namespace

void TfrmMain::btnAddExtClick() {
    const int slot = selectedRow(lb);
    const TEntry* entry = Catalogue().Entry(slot);
    if (!entry) return PlainMessage(Handle(), kSelectTypeFirst);
    const std::optional<std::string> answer = askForExtension("Add Extension");
    if (!answer) return;

    const std::string& typed = *answer;
    if (typed.empty()) return PlainMessage(Handle(), kEmptyExtension);
    const std::string ext = NormaliseExtension(typed);
    // The registry reads a backslash as a key separator: "txt\shell" would write into the
    // subtree of the .txt key instead of making an extension.
    if (ext.find('\\') != std::string::npos) return PlainMessage(Handle(), kBackslashInExtension);
    if (Catalogue().FindExt(ext) >= 0 || registryKeyOfAnExtension(ext))
        return PlainMessage(Handle(), kExtensionExists);
    if (!FitsKeyName(ext)) return PlainMessage(Handle(), kKeyNameTooLong);
    const std::string typeName = entry->Name;
    // A key the list does not show (its type has no description) belongs to a type all the
    // same: pointing it elsewhere is a move, not an addition.
    if (const std::optional<std::string> holder = typeOfExtensionKey(ext))
        if (!ConfirmBox(Handle(), TakeOverQuestion(ext, *holder, typeName))) return;

    if (!MakeChange({"Add Extension", {ext, typeName}}, {SetText(ext, kDefaultValue, typeName)}))
        return;
    Catalogue().AddEntry(ext, typeName, "", "");
    lbClick();
}

void TfrmMain::btnDelExtClick() {
    const int row = selectedRow(lbExt);
    if (row < 0) return PlainMessage(Handle(), kSelectExtFirst);
    const std::string ext = rowText(lbExt, row);
    if (!ConfirmBox(Handle(), "Delete extension \"" + ShownName(ext) + "\" ?")) return;

    // A key that is gone already still leaves the catalogue.
    if (!MakeChange({"Delete Extension", {ext}}, {DeleteTree(ext)})) return;
    // Only the user's own setting went: the one for all users shows now.
    if (ClassesView().KeyPresent(ext)) return RefreshLists();
    Catalogue().RemoveExt(selectedRow(lb), ext);
    lbClick();
}

void TfrmMain::btnFindExtClick() {
    const std::optional<std::string> answer = askForExtension("Find Extension");
    if (!answer) return;

    const std::string ext = NormaliseExtension(*answer);
    const int slot = Catalogue().FindExt(ext);
    if (slot < 0) return PlainMessage(Handle(), "Cannot find extension \"" + ShownName(ext) + "\"");

    // Selecting a row scrolls it into view; the row already selected stays where it is.
    if (selectedRow(lb) != slot) selectRow(lb, slot);
    lbClick();
    int found = -1;
    for (int i = 0; i < rowCount(lbExt) && found < 0; ++i)
        if (sameIgnoringCase(rowText(lbExt, i), ext)) found = i;
    selectRow(lbExt, found);
}
