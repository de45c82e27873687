#pragma once
// What importing a registry script does, worked out without a registry, and the scripts of the
// program's history records: for each key a change addresses, its deletion, then, when the key
// existed, the key written back whole. Imported, such a record puts those keys back exactly as
// they were, whatever they hold by then.

#include <string>
#include <string_view>
#include <vector>

#include "regscript/RegKey.h"
#include "regscript/Script.h"

namespace regscript {

// The keys that importing script into an empty registry leaves: a nameless key whose subkeys
// are the roots the script names, each by its full name. Names are matched with the case of
// ASCII letters ignored, which is all that scripts written by this program and by the registry
// editor need, as they name every key in one spelling.
Key ImportScript(const Script& script);

// The key at path (a full path; a root's short name will do) below imported, or nullptr.
const Key* FindKey(const Key& imported, std::u16string_view path);

// Appends the sections that write key, with every value and subkey at every depth, at path.
void AppendKeySections(std::vector<Section>& sections, const std::u16string& path, const Key& key);

// The history record of states, with comments at its top.
Script RecordScript(std::vector<std::u16string> comments, const std::vector<KeyState>& states);

// The states that a record puts back: for each key it deletes, in the order of the deletions,
// the key as importing the record leaves it.
std::vector<KeyState> RecordedStates(const Script& record);

}  // namespace regscript
