#pragma once
// What the lookup of Explorer's view reads and finds, as plain data: the registry's two parts
// and the rest of this machine as the lookup asks them (LookupSource), and the view it gives.
// No Win32 here.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "icons/IconLocation.h"
#include "registry/ClassesParts.h"

namespace explorer {

enum class Hive { User, Machine };

// The user's and the machine's classes, and the user's choices of default apps.
inline constexpr const char* kClassesPath = "Software\\Classes";
inline constexpr const char* kFileExtsPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts";

// What an icon file holds for an icon index (a resource id when the index is negative).
struct IconProbe {
    bool fileExists = false;
    unsigned iconCount = 0;
    bool holdsIcon = false;
};

class LookupSource {
public:
    virtual ~LookupSource() = default;
    // The text of a string value (expandable ones as stored) of the key at path below the
    // hive; nullopt when the key or the value is missing or the value holds no text.
    virtual std::optional<std::string> ReadText(Hive hive, const std::string& path,
                                                const std::string& valueName) = 0;
    virtual bool KeyExists(Hive hive, const std::string& path) = 0;
    // %VARIABLE% references replaced by the environment's values.
    virtual std::string Expand(const std::string& text) = 0;
    // An indirect string ("@file,-id") loaded, a plain one as it is; nullopt when it cannot
    // be resolved.
    virtual std::optional<std::string> LoadIndirect(const std::string& text) = 0;
    virtual IconProbe ProbeIcon(const std::string& file, std::int32_t index) = 0;
    // The type name the shell itself gives a file of the extension.
    virtual std::string ShellTypeName(const std::string& extension) = 0;
    // The names of the subkeys of the key at path below the hive, in the order the registry
    // lists them; none when the key is missing.
    virtual std::vector<std::string> ListSubkeys(Hive hive, const std::string& path) = 0;
};

// Which parts of the classes hold a value.
using ::Where;

// A value read from the merged classes: the user's text where the user's part holds it.
struct Merged {
    std::string text;
    Where where = Where::Nowhere;
    std::string machineText;  // the text the user's part hides, when both hold the value
    bool present() const { return where != Where::Nowhere; }
    bool hidesOther() const { return where == Where::Both && machineText != text; }
};

// One CurVer redirection: from names a type whose CurVer names to.
struct Redirection {
    std::string from;
    Merged to;
    bool followed = false;  // false when to names no key, or closes a circle
};

// An action of a file's context menu, or the one a double click runs.
struct MenuVerb {
    std::string key;  // below the classes: "txtfile\shell\open"
    Where where = Where::Nowhere;
    std::string text;  // as the menu shows it
    bool extended = false;
    std::string command;  // expanded; empty for an action that a handler runs
    std::string handler;  // the handler's CLSID
    bool doubleClick = false;
};

struct ExplorerView {
    std::string extension;
    Merged extensionType;       // default value of the extension key
    std::string userChoiceKey;  // "UserChoiceLatest" or "UserChoice"; empty without one
    std::string userChoice;     // the type the user chose
    std::vector<Redirection> curVer;
    bool curVerCircle = false;
    std::string type;  // the type Explorer uses in the end
    Merged friendlyTypeName;
    std::optional<std::string> friendlyResolved;
    Merged defaultDescription;  // the type key's default value
    std::string description;    // the description Explorer shows
    Merged defaultIcon;
    std::string iconExpanded;
    IconLocation iconLocation;  // the expanded text split into file and index
    IconProbe iconProbe;
    Merged iconHandler;  // CLSID of shellex\IconHandler
    std::string shellTypeName;
    Merged perceivedType;               // of the extension key: "text", "image"...
    std::vector<MenuVerb> menu;         // the one a double click runs first
    std::vector<std::string> warnings;  // one per reason an edit will not show in Explorer
};

// The view as the window lists it: one line per step.
struct ViewLine {
    std::string step;
    std::string text;
    std::string where;
};

// "HKCU\Software\Classes", "HKLM\Software\Classes" or both, the user's first; empty for
// Nowhere.
std::string WhereText(Where where);

}  // namespace explorer
