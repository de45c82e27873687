#include "registry/ClassesPlan.h"

#include <algorithm>
#include <utility>

#include "base/AsciiCase.h"
#include "base/Utf8.h"

namespace {

using Kind = ClassesWrite::Kind;

bool holdsUser(Where where) {
    return where == Where::User || where == Where::Both;
}

bool holdsMachine(Where where) {
    return where == Where::Machine || where == Where::Both;
}

std::string topKey(const std::string& path) {
    return path.substr(0, path.find('\\'));
}

// True when path is key or lies below it.
bool within(const std::string& path, const std::string& key) {
    if (path.size() < key.size() || !EqualIgnoringAsciiCase(path.substr(0, key.size()), key))
        return false;
    return path.size() == key.size() || path[key.size()] == '\\';
}

// The parts as the writes before the one looked at leave them: a moved key is held by the
// parts it moved in, under its new name, and by none under its old one.
class Landed {
public:
    explicit Landed(PartsProbe& parts) : parts_(parts) {}

    Where KeyIn(const std::string& path) {
        for (auto it = moves_.rbegin(); it != moves_.rend(); ++it) {
            if (within(path, it->to)) return it->where;
            if (within(path, it->from)) return Where::Nowhere;
        }
        return parts_.KeyIn(path);
    }
    Where ValueIn(const std::string& path, const std::string& name) {
        for (auto it = moves_.rbegin(); it != moves_.rend(); ++it)
            if (within(path, it->to) || within(path, it->from)) return KeyIn(path);
        return parts_.ValueIn(path, name);
    }
    // True when a move before touched path: what the probe says of it is no longer so.
    bool Touched(const std::string& path) const {
        return std::any_of(moves_.begin(), moves_.end(), [&](const Move& move) {
            return within(path, move.from) || within(path, move.to);
        });
    }
    void Moved(const ClassesWrite& write, Where where) {
        moves_.push_back({write.path, write.to, where});
    }

private:
    struct Move {
        std::string from, to;
        Where where;
    };
    PartsProbe& parts_;
    std::vector<Move> moves_;
};

// Calls visit(write, where) for each write of plan in its order, where being the parts that hold
// its key (its value, for a DeleteValue) as the writes before it leave them.
template <class Visit>
void walk(const ClassesPlan& plan, Landed& landed, Visit visit) {
    for (const ClassesWrite& write : plan) {
        const Where where = write.kind == Kind::DeleteValue ? landed.ValueIn(write.path, write.name)
                                                            : landed.KeyIn(write.path);
        visit(write, where);
        if (write.kind == Kind::MoveTree) landed.Moved(write, where);
    }
}

int rank(PlanDecision::Kind kind) {
    switch (kind) {
        case PlanDecision::Kind::Write:
            return 0;
        case PlanDecision::Kind::AskForYouOnly:
            return 1;
        case PlanDecision::Kind::AskDeleteYours:
            return 2;
        case PlanDecision::Kind::RefuseDelete:
        case PlanDecision::Kind::RefuseRename:
            break;
    }
    return 3;
}

PlanDecision::Kind refusalOf(Kind kind, Where where) {
    switch (kind) {
        case Kind::SetText:
        case Kind::MakeKey:
            return PlanDecision::Kind::AskForYouOnly;
        case Kind::DeleteValue:
        case Kind::DeleteTree:
            return where == Where::Both ? PlanDecision::Kind::AskDeleteYours
                                        : PlanDecision::Kind::RefuseDelete;
        case Kind::MoveTree:
            break;
    }
    return PlanDecision::Kind::RefuseRename;
}

}  // namespace

std::string PartsText(Where where) {
    switch (where) {
        case Where::User:
            return "for you only";
        case Where::Machine:
            return "for all users";
        case Where::Both:
            return "both: yours hides the one for all users";
        case Where::Nowhere:
            break;
    }
    return {};
}

ClassesWrite SetText(std::string path, std::string name, std::string text) {
    return {Kind::SetText, std::move(path), std::move(name), std::move(text), {}};
}
ClassesWrite MakeKey(std::string path) {
    return {Kind::MakeKey, std::move(path), {}, {}, {}};
}
ClassesWrite DeleteValue(std::string path, std::string name) {
    return {Kind::DeleteValue, std::move(path), std::move(name), {}, {}};
}
ClassesWrite DeleteTree(std::string path) {
    return {Kind::DeleteTree, std::move(path), {}, {}, {}};
}
ClassesWrite MoveTree(std::string from, std::string to) {
    return {Kind::MoveTree, std::move(from), {}, {}, std::move(to)};
}

Targets TargetsOf(Kind kind, Where where, WriteMode mode) {
    const bool asTheView = mode == WriteMode::AsTheView;
    if (kind == Kind::SetText || kind == Kind::MakeKey) {
        const bool user = !asTheView || holdsUser(where);
        return {user, !user};
    }
    return {holdsUser(where), asTheView && holdsMachine(where)};
}

std::vector<PartKey> PartsWritten(const ClassesPlan& plan, PartsProbe& parts, WriteMode mode) {
    std::vector<PartKey> keys;
    const auto add = [&keys](Part part, const std::string& path) {
        const PartKey key{part, topKey(path)};
        const bool seen = std::any_of(keys.begin(), keys.end(), [&](const PartKey& k) {
            return k.part == key.part && EqualIgnoringAsciiCase(k.key, key.key);
        });
        if (!seen) keys.push_back(key);
    };
    Landed landed(parts);
    walk(plan, landed, [&](const ClassesWrite& write, Where where) {
        const Targets targets = TargetsOf(write.kind, where, mode);
        for (const Part part : {Part::User, Part::Machine}) {
            if (!(part == Part::User ? targets.user : targets.machine)) continue;
            add(part, write.path);
            if (write.kind == Kind::MoveTree) add(part, write.to);
        }
    });
    return keys;
}

ClassesPlan LeaveOutUnchanged(const ClassesPlan& plan, PartsProbe& parts) {
    ClassesPlan needed;
    Landed landed(parts);
    walk(plan, landed, [&](const ClassesWrite& write, Where where) {
        const bool unchanged = write.kind == Kind::SetText && !landed.Touched(write.path) &&
                               TargetsOf(write.kind, where, WriteMode::AsTheView).machine &&
                               !parts.MachineTakes(write) &&
                               parts.HoldsText(write.path, write.name, write.text);
        if (!unchanged) needed.push_back(write);
    });
    return needed;
}

PlanDecision DecidePlan(const ClassesPlan& plan, PartsProbe& parts) {
    PlanDecision decision;
    Landed landed(parts);
    walk(plan, landed, [&](const ClassesWrite& write, Where where) {
        if (!TargetsOf(write.kind, where, WriteMode::AsTheView).machine ||
            parts.MachineTakes(write))
            return;
        const PlanDecision::Kind kind = refusalOf(write.kind, where);
        if (rank(kind) <= rank(decision.kind)) return;
        const std::string subject = topKey(write.path);
        decision = {kind, subject, landed.KeyIn(subject) == Where::Nowhere};
    });
    return decision;
}

std::string DecisionText(const PlanDecision& decision) {
    const std::string subject = "\"" + ShownName(decision.subject) + "\"";
    switch (decision.kind) {
        case PlanDecision::Kind::Write:
            break;
        case PlanDecision::Kind::AskForYouOnly:
            if (decision.subjectIsNew)
                return subject +
                       " would be made for all users of this computer, and only an administrator "
                       "can make it there. Make it for you only?";
            return subject +
                   " belongs to all users of this computer, and only an administrator can change "
                   "it there. Make this change for you only?";
        case PlanDecision::Kind::AskDeleteYours:
            return subject +
                   " is set both for you and for all users, and only an administrator can delete "
                   "it for all users. Delete your own setting, so that the one for all users "
                   "shows?";
        case PlanDecision::Kind::RefuseDelete:
            return subject +
                   " belongs to all users of this computer, and only an administrator can delete "
                   "it: deleted for you only, it would still show. Restart Kestrune as "
                   "Administrator to delete it?";
        case PlanDecision::Kind::RefuseRename:
            return subject +
                   " belongs to all users of this computer, and only an administrator can rename "
                   "it: renamed for you only, it would still show under its old name. Restart "
                   "Kestrune as Administrator to rename it?";
    }
    return {};
}
