#include "history/ChangeHistory.h"

#include <windows.h>

#include <algorithm>

#include "base/AnsiText.h"
#include "history/HistoryError.h"
#include "history/HistoryFolder.h"
#include "history/HistoryNames.h"
#include "regscript/Import.h"
#include "regscript/Script.h"
#include "registry/KeyName.h"
#include "registry/KeySnapshot.h"
#include "registry/PartClasses.h"
#include "base/WideText.h"

using regscript::KeyState;

namespace {

// File times count in steps of 100 nanoseconds.
constexpr std::uint64_t kMillisecond = 10000;

std::u16string fullPath(const HistoryKey& key) {
    return PartClassesPath(key.part) + u"\\" + key.name;
}

// The key's path below its part's root: Software\Classes\name.
std::u16string pathBelowRoot(const HistoryKey& key) {
    return ToU16(kClassesKey) + u"\\" + key.name;
}

std::uint64_t ticksOf(const FILETIME& time) {
    return ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart;
}

FILETIME timeOf(std::uint64_t ticks) {
    ULARGE_INTEGER value;
    value.QuadPart = ticks;
    return FILETIME{value.LowPart, value.HighPart};
}

Stamp localStamp(std::uint64_t ticks) {
    const FILETIME utc = timeOf(ticks);
    FILETIME local{};
    SYSTEMTIME t{};
    FileTimeToLocalFileTime(&utc, &local);
    FileTimeToSystemTime(&local, &t);
    return Stamp{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

// The keys once each, the registry's way of comparing names; a name that addresses the classes
// themselves (no command writes there) is left out.
std::vector<HistoryKey> addressed(const std::vector<PartKey>& keys) {
    std::vector<HistoryKey> names;
    for (const PartKey& key : keys) {
        if (key.key.find_first_not_of('\\') == std::string::npos) continue;
        HistoryKey name{key.part, ToU16(key.key)};
        const bool seen = std::any_of(names.begin(), names.end(), [&](const HistoryKey& n) {
            return n.part == name.part && SameRegistryName(n.name, name.name);
        });
        if (!seen) names.push_back(std::move(name));
    }
    return names;
}

std::string fileText(const std::wstring& file) {
    return "the history file \"" + AnsiFromWide(file) + "\"";
}

}  // namespace

HistoryEntry ChangeHistory::Begin(const ChangeTitle& title, const std::vector<PartKey>& keys) {
    HistoryEntry entry{title, {}, addressed(keys), std::nullopt, std::nullopt};
    try {
        entry.file = WriteRecord(title, ReadStates(entry.keys));
    } catch (const Exception& e) {
        throw HistoryError("The change cannot be recorded, so it was not made: " + e.message());
    }
    // The list takes the change when its writes end, also after an error: the room for it is
    // made now, while a failure still stops the command before it writes.
    entries_.reserve(done_ + 1);
    return entry;
}

void ChangeHistory::Add(HistoryEntry entry) noexcept {
    // Read for a redo and for telling later whether another program changed the keys. Should
    // they not be readable now, the change can still be undone, but not redone.
    try {
        entry.after = ReadStates(entry.keys);
    } catch (...) {
        entry.after.reset();
    }
    entries_.resize(done_);
    entries_.push_back(std::move(entry));
    done_ = entries_.size();
}

bool ChangeHistory::UndoTargetChanged() const {
    const HistoryEntry& entry = entries_[done_ - 1];
    return !entry.after || ReadStates(entry.keys) != *entry.after;
}

bool ChangeHistory::RedoTargetChanged() const {
    const HistoryEntry& entry = entries_[done_];
    return !entry.afterUndo || ReadStates(entry.keys) != *entry.afterUndo;
}

void ChangeHistory::Undo() {
    HistoryEntry& entry = entries_[done_ - 1];
    // Every undo reads the change's own file, so every undo proves the file right.
    std::vector<KeyState> before;
    try {
        const auto decode = [](std::string_view text) { return ToU16(text); };
        before =
            regscript::RecordedStates(regscript::ReadScript(ReadHistoryFile(entry.file), decode));
    } catch (const regscript::ScriptError& e) {
        throw HistoryError("Nothing was undone: " + fileText(entry.file) + " is damaged. " +
                           e.message());
    } catch (const HistoryError& e) {
        throw HistoryError("Nothing was undone: " + e.message());
    }
    bool same = before.size() == entry.keys.size();
    for (size_t i = 0; same && i < before.size(); ++i)
        same = before[i].path == fullPath(entry.keys[i]);
    if (!same)
        throw HistoryError("Nothing was undone: " + fileText(entry.file) +
                           " does not hold the keys of " + entry.title.Quoted());

    try {
        WriteRecord(entry.title.Prefixed("Undo"), ReadStates(entry.keys));
    } catch (const Exception& e) {
        throw HistoryError("Nothing was undone, as the undo cannot be recorded: " + e.message());
    }
    Restore(entry.keys, before);
    try {
        entry.afterUndo = ReadStates(entry.keys);
    } catch (...) {
        entry.afterUndo.reset();
    }
    --done_;
}

void ChangeHistory::Redo() {
    HistoryEntry& entry = entries_[done_];
    if (!entry.after)
        throw HistoryError("Nothing was redone: the keys of " + entry.title.Quoted() +
                           " could not be read right after it");
    try {
        WriteRecord(entry.title.Prefixed("Redo"), ReadStates(entry.keys));
    } catch (const Exception& e) {
        throw HistoryError("Nothing was redone, as the redo cannot be recorded: " + e.message());
    }
    Restore(entry.keys, *entry.after);
    ++done_;
}

std::vector<KeyState> ChangeHistory::ReadStates(const std::vector<HistoryKey>& keys) const {
    std::vector<KeyState> states;
    states.reserve(keys.size());
    for (const HistoryKey& key : keys)
        states.push_back(
            KeyState{fullPath(key), ReadKeySnapshot(PartRoot(key.part), pathBelowRoot(key))});
    return states;
}

void ChangeHistory::Restore(const std::vector<HistoryKey>& keys,
                            const std::vector<KeyState>& states) {
    for (size_t i = 0; i < keys.size(); ++i)
        RestoreKeySnapshot(PartRoot(keys[i].part), pathBelowRoot(keys[i]), states[i].key);
}

std::vector<std::string> ChangeHistory::MachineKeysChanged(
    const HistoryEntry& entry, const std::vector<KeyState>& wanted) const {
    std::vector<std::string> changed;
    const std::vector<KeyState> now = ReadStates(entry.keys);
    for (size_t i = 0; i < entry.keys.size() && i < wanted.size(); ++i)
        if (entry.keys[i].part == Part::Machine && now[i] != wanted[i])
            changed.push_back(AnsiFromWide(AsWide(entry.keys[i].name)));
    return changed;
}

std::vector<std::string> ChangeHistory::MachineKeysOfUndo() const {
    const HistoryEntry& entry = entries_[done_ - 1];
    try {
        const auto decode = [](std::string_view text) { return ToU16(text); };
        return MachineKeysChanged(entry, regscript::RecordedStates(regscript::ReadScript(
                                             ReadHistoryFile(entry.file), decode)));
    } catch (const Exception&) {
        return {};  // the undo itself says what is wrong with the file
    }
}

std::vector<std::string> ChangeHistory::MachineKeysOfRedo() const {
    const HistoryEntry& entry = entries_[done_];
    return entry.after ? MachineKeysChanged(entry, *entry.after) : std::vector<std::string>();
}

std::wstring ChangeHistory::WriteRecord(const ChangeTitle& title,
                                        const std::vector<KeyState>& states) {
    // Each file is named a millisecond after the one before at least, so the names keep the
    // order of the changes even when two come within one tick of the clock.
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    std::uint64_t ticks = std::max(ticksOf(now), lastStamp_ + kMillisecond);
    const std::u16string comment = ToU16(CommentStamp(localStamp(ticks)) + " " + title.Quoted());
    const std::vector<std::uint8_t> bytes =
        regscript::WriteScript(regscript::RecordScript({comment}, states));

    const std::u16string plain = ToU16(title.Plain());
    bool first = true;
    std::u16string name;
    const std::wstring folder = HistoryFolderPath();
    const std::wstring file = WriteNewHistoryFile(
        folder,
        [&] {
            if (!first) ticks += kMillisecond;
            first = false;
            name = HistoryFileName(localStamp(ticks), plain);
            return std::wstring(AsWide(name));
        },
        bytes);
    lastStamp_ = ticks;
    files_.Added(folder, name);
    return file;
}
