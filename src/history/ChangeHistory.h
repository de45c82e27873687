#pragma once
// The history of this run's changes to the classes (both parts of HKEY_CLASSES_ROOT), and their
// undo and redo.
//
// A command hands its writes to Record, with the keys they address in each part:
//
//     FHistory.Record({"Delete File Type", {name}}, {{Part::Machine, name}}, [&] {
//         view.Apply(plan, mode);  // the command's own writes
//     });
//
// Record reads the present state of each key (all of it, or the fact that it does not exist)
// and writes it as a registry script to a new file of the history folder, which the registry
// editor imports to put those keys back. When that cannot be done it raises HistoryError and
// runs no write. Once the writes end (also when they ended with an error half-way, which Record
// raises again), the state the keys then have is kept for a redo, and the change becomes the
// newest one that Undo acts on; whatever could be redone is dropped.
//
// Undo puts the keys back from the change's own history file, Redo puts them as the change left
// them. Both write the registry, so each leaves a history file of its own first ("Undo ...",
// "Redo ..."). Files of earlier runs stay in the folder for the registry editor only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/ChangeTitle.h"
#include "history/HistoryFolder.h"
#include "regscript/RegKey.h"
#include "registry/ClassesPlan.h"

// A key of the classes in one part, as the history names it.
struct HistoryKey {
    Part part = Part::Machine;
    std::u16string name;  // below the part's classes
};

// One change in the list: its title, its history file, its keys and their states after it.
struct HistoryEntry {
    ChangeTitle title;
    std::wstring file;
    std::vector<HistoryKey> keys;
    // The keys right after the change, and right after its latest undo; empty when they could
    // not be read.
    std::optional<std::vector<regscript::KeyState>> after;
    std::optional<std::vector<regscript::KeyState>> afterUndo;
};

class ChangeHistory {
public:
    // Records the keys (names below the classes of their part, in the program's code page) and
    // then runs writes, the command called title. Raises HistoryError, before any write: "The
    // change cannot be recorded, so it was not made: " and why; and what writes raises.
    template <class Writes>
    void Record(const ChangeTitle& title, const std::vector<PartKey>& keys, Writes&& writes) {
        HistoryEntry entry = Begin(title, keys);
        try {
            writes();
        } catch (...) {
            Add(std::move(entry));
            throw;
        }
        Add(std::move(entry));
    }

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < entries_.size(); }
    // The titles of the changes that Undo and Redo act on; only when they can.
    const ChangeTitle& UndoTitle() const { return entries_[done_ - 1].title; }
    const ChangeTitle& RedoTitle() const { return entries_[done_].title; }

    // True when the keys of that change are no longer as the change (for a redo: its undo) left
    // them: another program changed them since.
    bool UndoTargetChanged() const;
    bool RedoTargetChanged() const;
    // The keys of the machine's part that Undo (or Redo) would write: those whose state is not
    // the one it puts back.
    std::vector<std::string> MachineKeysOfUndo() const;
    std::vector<std::string> MachineKeysOfRedo() const;

    // Undo puts the keys of the newest change not undone back as its history file holds them;
    // Redo puts the keys of the newest undone change back as the change left them. Each first
    // records the keys' present state in a file of its own, and raises HistoryError, changing
    // nothing, when that or the change's own file cannot be read or written. A refused registry
    // write raises ERegistryException; the change then stays where it was in the list.
    void Undo();
    void Redo();

private:
    // The entry of a change about to be made, its keys' states written to its history file.
    HistoryEntry Begin(const ChangeTitle& title, const std::vector<PartKey>& keys);
    // The change joins the list, with its keys' states after it. Raises nothing: room for it
    // was made by Begin, and keys that cannot be read leave it without a redo.
    void Add(HistoryEntry entry) noexcept;
    // Writes the states of keys under title into a new history file; returns its path.
    std::wstring WriteRecord(const ChangeTitle& title,
                             const std::vector<regscript::KeyState>& states);
    std::vector<regscript::KeyState> ReadStates(const std::vector<HistoryKey>& keys) const;
    void Restore(const std::vector<HistoryKey>& keys,
                 const std::vector<regscript::KeyState>& states);
    std::vector<std::string> MachineKeysChanged(
        const HistoryEntry& entry, const std::vector<regscript::KeyState>& wanted) const;

    std::vector<HistoryEntry> entries_;
    size_t done_ = 0;  // entries_[0, done_) are done, the rest undone
    HistoryFileList files_;
    std::uint64_t lastStamp_ = 0;  // of the newest history file, in file-time ticks
};
