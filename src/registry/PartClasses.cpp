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
    // Read access where that is all a command needs: a standard user may only read the
    // machine's classes, and the writes open their own keys with the access they need.
    classes_ = create ? keytree::CreateKey(PartRoot(part), kClassesKey)
                      : keytree::OpenForReading(PartRoot(part), kClassesKey);
    // Without a classes key the object keeps HKEY_CURRENT_USER as its root, and callers must
    // not use it (Present).
    if (classes_) SetRoot(classes_.get());
}
