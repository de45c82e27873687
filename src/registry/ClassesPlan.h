#pragma once
// Where a change of the classes goes. HKEY_CLASSES_ROOT is a view of two parts: the machine's
// classes (HKEY_LOCAL_MACHINE\Software\Classes, for all users, changed by an administrator
// only) and the user's own (HKEY_CURRENT_USER\Software\Classes), which win where both hold a key
// or value. A command first says what it will write, as a plan:
//
//     ClassesPlan plan;
//     plan.push_back(SetText(".txt", "", "txtfile"));   // the extension points at its type
//     plan.push_back(DeleteTree("oldtype"));
//
// then learns, before it writes anything, whether it may write the parts the writes go to
// (DecidePlan), and asks or refuses when it may not. The writes themselves go where the view
// puts them: a value of a key that the user's part holds into the user's part, everything else
// into the machine's part; or, once the user chose so, everything into the user's part.
// No Win32 here: what the parts hold and take is asked through PartsProbe.

#include <string>
#include <vector>

#include "registry/ClassesParts.h"

// How the program names the parts that hold something: "for you only", "for all users",
// "both: yours hides the one for all users"; empty for nothing.
std::string PartsText(Where where);

// One registry write of a command. Paths are below the classes; the value name "" is a key's
// default value.
struct ClassesWrite {
    enum class Kind { SetText, MakeKey, DeleteValue, DeleteTree, MoveTree };
    Kind kind = Kind::SetText;
    std::string path;
    std::string name;  // SetText, DeleteValue
    std::string text;  // SetText
    std::string to;    // MoveTree: the new path
};
using ClassesPlan = std::vector<ClassesWrite>;

ClassesWrite SetText(std::string path, std::string name, std::string text);
ClassesWrite MakeKey(std::string path);
ClassesWrite DeleteValue(std::string path, std::string name);
ClassesWrite DeleteTree(std::string path);
ClassesWrite MoveTree(std::string from, std::string to);

// Where writes go: where the view puts them, or all of them into the user's part.
enum class WriteMode { AsTheView, ForYouOnly };

// What the program learns of the two parts before a command writes.
class PartsProbe {
public:
    virtual ~PartsProbe() = default;
    virtual Where KeyIn(const std::string& path) = 0;
    virtual Where ValueIn(const std::string& path, const std::string& name) = 0;
    // True when the machine's part takes write, asked by opening the keys it writes with the
    // access it needs, never by trying it.
    virtual bool MachineTakes(const ClassesWrite& write) = 0;
    // True when the view shows text in the value already: setting it again changes nothing.
    virtual bool HoldsText(const std::string& path, const std::string& name,
                           const std::string& text) = 0;
};

// The parts a write goes to, given where its key (or value) is now.
struct Targets {
    bool user = false;
    bool machine = false;
};
// A value set or a key made: into the user's part when it holds the key, or in ForYouOnly;
// else into the machine's. A deletion or a move: in every part that holds it, the machine's
// only AsTheView.
Targets TargetsOf(ClassesWrite::Kind kind, Where where, WriteMode mode);

// A top key (a type or an extension) of one part: what the history records.
struct PartKey {
    Part part = Part::Machine;
    std::string key;
    bool operator==(const PartKey&) const = default;
};

// The top keys that plan's writes change in mode, in each part they go to, once each and in
// the order they are first written.
std::vector<PartKey> PartsWritten(const ClassesPlan& plan, PartsProbe& parts, WriteMode mode);

// plan without the values set to the text the view shows already, where the machine's part
// would refuse them: such a write changes nothing, and made for the user only it would hide
// later changes of the value for all users. With the rights, nothing is left out.
ClassesPlan LeaveOutUnchanged(const ClassesPlan& plan, PartsProbe& parts);

// Whether a plan may be written as the view puts it, and if not, what to ask or refuse.
struct PlanDecision {
    enum class Kind {
        Write,           // every write goes where it may
        AskForYouOnly,   // a write for all users is refused: make the change for the user only?
        AskDeleteYours,  // both parts hold what goes: delete the user's own, the other shows?
        RefuseDelete,    // the machine's part alone holds what goes: it would still show
        RefuseRename,    // a key the machine's part holds cannot move for one user
    };
    Kind kind = Kind::Write;
    std::string subject;        // the type or extension (the top key) the first such write concerns
    bool subjectIsNew = false;  // no part holds the subject yet
};

// Walks plan in its order, each write seen as it lands after those before it: a refusal wins
// over a question, the deletion's question over the other.
PlanDecision DecidePlan(const ClassesPlan& plan, PartsProbe& parts);

// The question or refusal the window shows for decision: for the questions, "Yes" makes the
// change for the user only; for the refusals, "Yes" restarts the program as administrator.
std::string DecisionText(const PlanDecision& decision);
