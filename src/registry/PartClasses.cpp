#include "registry/PartClasses.h"

#include "registry/KeyTree.h"

HKEY PartRoot(Part part) {
    return part == Part::User ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::u16string PartClassesPath(Part part) {
    return part == Part::User ? u"HKEY_CURRENT_USER\\Software\\Classes"
                              : u"HKEY_LOCAL_MACHINE\\Software\\Classes";
}

PartClasses::PartClasses(Part part, bool create) : TRegIniFile("") {
    // Read access for the classes key itself: a standard user may only read the machine's, and
    // the writes open the keys below it with the access they need.
    classes_ = keytree::OpenForReading(PartRoot(part), kClassesKey);
    if (!classes_ && create) {
        classes_ = keytree::CreateKey(PartRoot(part), kClassesKey);
        // Writes meant for the classes must never land in the root the object starts with.
        if (!classes_) keytree::Raise(keytree::kCreateFailed, kClassesKey);
    }
    // Without a classes key the object keeps HKEY_CURRENT_USER as its root, and callers must
    // not use it (Present).
    if (classes_) SetRoot(classes_.get());
}
