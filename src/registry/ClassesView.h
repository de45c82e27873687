#pragma once
// The classes as Windows shows them in HKEY_CLASSES_ROOT, read by the program itself from both
// parts, whatever the system merges (Wine merges nothing): a key exists when either part holds
// it, its subkeys are those of both, and a value comes from the user's part when the user's key
// holds it, else from the machine's. The view also tells which part holds a key or value and
// whether the machine's part takes a write (PartsProbe), and writes a plan where the view puts
// each write.
//
// The user's part is usually small: which top keys it holds is learned once, so that reading
// a key it lacks costs no request to it.

#include <windows.h>

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "registry/ClassesPlan.h"
#include "registry/PartClasses.h"

class ClassesView : public PartsProbe {
public:
    ClassesView();

    // The subkey names of the key at path ("" for the classes themselves): the machine's in
    // their order, then those only the user's part holds, in theirs.
    std::vector<std::string> SubkeyNames(const std::string& path = "");
    bool KeyPresent(const std::string& path) { return KeyIn(path) != Where::Nowhere; }
    // The value's text, as stored, from the part the view takes it from; defaultText when
    // neither holds it. Raises as TRegIniFile::ReadText for a value that is no text.
    std::string ReadText(const std::string& path, const std::string& name,
                         const std::string& defaultText);
    // The value's type as the view shows it; REG_NONE when neither part holds it.
    DWORD ValueType(const std::string& path, const std::string& name);

    Where KeyIn(const std::string& path) override;
    Where ValueIn(const std::string& path, const std::string& name) override;
    bool MachineTakes(const ClassesWrite& write) override;
    bool HoldsText(const std::string& path, const std::string& name,
                   const std::string& text) override;

    // Writes plan in its order, each write into the parts TargetsOf gives for where its key is
    // then. Raises as the registry layer does; what was written before the error stays.
    void Apply(const ClassesPlan& plan, WriteMode mode);

private:
    // False when the user's part surely lacks the top key of path.
    bool UserMayHold(const std::string& path);
    // The part whose key at path holds the value name, the user's first; nullptr for neither.
    PartClasses* Holder(const std::string& path, const std::string& name);

    std::optional<PartClasses> user_;  // made anew once the user's part has its classes key
    PartClasses machine_;
    bool userTopsKnown_ = false;
    std::unordered_set<std::string> userTops_;  // ASCII letters folded
    bool userTopsAllAscii_ = true;
};
