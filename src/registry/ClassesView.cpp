#include "registry/ClassesView.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "registry/KeyName.h"
#include "registry/KeyTree.h"

namespace {

using Kind = ClassesWrite::Kind;

std::string topKey(const std::string& path) {
    return path.substr(0, path.find('\\'));
}

std::string parentOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string folded(std::string name) {
    for (char& c : name) c = ascii_case::fold(c);
    return name;
}

bool ascii(const std::string& name) {
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The key of a part at path, opened for reading; empty when the part or the key is missing.
UniqueKey openIn(const PartClasses& part, const std::string& path) {
    if (!part.Present()) return UniqueKey();
    return keytree::OpenForReading(part.Classes(), path);
}

bool holdsValue(HKEY key, const std::string& name) {
    return key &&
           RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace

ClassesView::ClassesView() : machine_(Part::Machine) {
    user_.emplace(Part::User);
}

bool ClassesView::UserMayHold(const std::string& path) {
    if (!user_->Present()) return false;
    if (!userTopsKnown_) {
        userTops_.clear();
        userTopsAllAscii_ = true;
        for (const std::string& name : keytree::SubkeyNames(user_->Classes())) {
            userTops_.insert(folded(name));
            userTopsAllAscii_ = userTopsAllAscii_ && ascii(name);
        }
        userTopsKnown_ = true;
    }
    // The root holds whatever the user's part holds.
    if (path.empty()) return !userTops_.empty();
    const std::string top = topKey(path);
    // Letters outside ASCII compare case-blind by the registry's own rule: the registry decides.
    if (!userTopsAllAscii_ || !ascii(top)) return true;
    return userTops_.count(folded(top)) != 0;
}

std::vector<std::string> ClassesView::SubkeyNames(const std::string& path) {
    const UniqueKey machine = openIn(machine_, path);
    std::vector<std::string> names =
        machine ? keytree::SubkeyNames(machine.get()) : std::vector<std::string>();
    if (!UserMayHold(path)) return names;
    const UniqueKey user = openIn(*user_, path);
    if (!user) return names;
    std::unordered_set<std::string> seen;
    for (const std::string& name : names) seen.insert(folded(name));
    const size_t machineCount = names.size();
    for (const std::string& name : keytree::SubkeyNames(user.get())) {
        const bool known = seen.count(folded(name)) != 0 ||
                           (!ascii(name) && std::any_of(names.begin(), names.begin() + machineCount,
                                                        [&](const std::string& m) {
                                                            return SameRegistryName(m, name);
                                                        }));
        if (!known) names.push_back(name);
    }
    return names;
}

Where ClassesView::KeyIn(const std::string& path) {
    const bool user = UserMayHold(path) && openIn(*user_, path);
    return WhereOf(user, static_cast<bool>(openIn(machine_, path)));
}

Where ClassesView::ValueIn(const std::string& path, const std::string& name) {
    const bool user = UserMayHold(path) && holdsValue(openIn(*user_, path).get(), name);
    return WhereOf(user, holdsValue(openIn(machine_, path).get(), name));
}

PartClasses* ClassesView::Holder(const std::string& path, const std::string& name) {
    if (UserMayHold(path) && holdsValue(openIn(*user_, path).get(), name)) return &*user_;
    return holdsValue(openIn(machine_, path).get(), name) ? &machine_ : nullptr;
}

std::string ClassesView::ReadText(const std::string& path, const std::string& name,
                                  const std::string& defaultText) {
    // The scan reads three values of thousands of keys the user's part lacks: for them, the
    // machine's part is read as before, with one request.
    if (!UserMayHold(path))
        return machine_.Present() ? machine_.ReadText(path, name, defaultText) : defaultText;
    PartClasses* holder = Holder(path, name);
    return holder ? holder->ReadText(path, name, defaultText) : defaultText;
}

DWORD ClassesView::ValueType(const std::string& path, const std::string& name) {
    PartClasses* holder = Holder(path, name);
    if (!holder) return REG_NONE;
    const UniqueKey key = openIn(*holder, path);
    DWORD type = REG_NONE;
    RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, nullptr);
    return type;
}

bool ClassesView::HoldsText(const std::string& path, const std::string& name,
                            const std::string& text) {
    PartClasses* holder = Holder(path, name);
    if (!holder) return false;
    try {
        return holder->ReadText(path, name, "") == text;
    } catch (const ERegistryException&) {
        return false;  // a value that is no text is changed by writing one
    }
}

bool ClassesView::MachineTakes(const ClassesWrite& write) {
    if (!machine_.Present()) return false;
    const auto opens = [this](const std::string& path, REGSAM access) {
        UniqueKey key;
        return RegOpenKeyExA(machine_.Classes(), path.c_str(), 0, access, key.put()) ==
               ERROR_SUCCESS;
    };
    // A new key is made in the nearest key that exists above it.
    const auto mayMake = [&](std::string path) {
        while (!path.empty() && !openIn(machine_, path)) path = parentOf(path);
        return opens(path, KEY_CREATE_SUB_KEY);
    };
    // A key one may not write is not one's to delete, whatever DELETE alone would allow.
    constexpr REGSAM kRemove = KEY_SET_VALUE | DELETE;
    switch (write.kind) {
        case Kind::SetText:
            return openIn(machine_, write.path) ? opens(write.path, KEY_SET_VALUE)
                                                : mayMake(write.path);
        case Kind::MakeKey:
            return openIn(machine_, write.path) || mayMake(write.path);
        case Kind::DeleteValue:
            return opens(write.path, KEY_SET_VALUE);
        case Kind::DeleteTree:
            return opens(write.path, kRemove);
        case Kind::MoveTree:
            return opens(write.path, kRemove) && mayMake(write.to);
    }
    return false;
}

void ClassesView::Apply(const ClassesPlan& plan, WriteMode mode) {
    for (const ClassesWrite& write : plan) {
        const Where where =
            write.kind == Kind::DeleteValue ? ValueIn(write.path, write.name) : KeyIn(write.path);
        const Targets targets = TargetsOf(write.kind, where, mode);
        for (const Part part : {Part::User, Part::Machine}) {
            if (!(part == Part::User ? targets.user : targets.machine)) continue;
            PartClasses reg(part, true);
            switch (write.kind) {
                case Kind::SetText:
                    reg.WriteText(write.path, write.name, write.text);
                    break;
                case Kind::MakeKey:
                    reg.MakeKey(write.path);
                    break;
                case Kind::DeleteValue:
                    if (reg.SelectKey(write.path, false)) reg.DeleteValue(write.name);
                    break;
                case Kind::DeleteTree:
                    reg.RemoveKeyTree(write.path);
                    break;
                case Kind::MoveTree:
                    reg.RelocateKey(write.path, write.to);
                    break;
            }
            // The user's part may hold a top key it did not before.
            if (part == Part::User) {
                userTopsKnown_ = false;
                if (!user_->Present()) user_.emplace(Part::User);
            }
        }
    }
}
