#include "base/AsciiCase.h"
#include "regscript/Import.h"

#include <algorithm>

#include "regscript/KeyPath.h"

namespace regscript {

namespace {

// The item of items (values or subkeys, const or not) that name names.
template <class Items>
auto findNamed(Items& items, std::u16string_view name) {
    return std::find_if(items.begin(), items.end(),
                        [&](const auto& item) { return EqualIgnoringAsciiCase(item.name, name); });
}

Key& childOf(Key& parent, std::u16string_view name) {
    const auto found = findNamed(parent.subkeys, name);
    if (found != parent.subkeys.end()) return *found;
    parent.subkeys.push_back(Key{std::u16string(name), {}, {}});
    return parent.subkeys.back();
}

void setValue(Key& key, const Entry& entry) {
    const auto found = findNamed(key.values, entry.value.name);
    if (entry.remove) {
        if (found != key.values.end()) key.values.erase(found);
    } else if (found != key.values.end()) {
        // The registry keeps the spelling a value was made with.
        found->type = entry.value.type;
        found->data = entry.value.data;
    } else {
        key.values.push_back(entry.value);
    }
}

}  // namespace

Key ImportScript(const Script& script) {
    Key top;
    for (const Section& section : script.sections) {
        std::vector<std::u16string_view> names = PathNames(section.path);
        names.front() = FullRootName(names.front());
        Key* key = &top;
        const size_t walked = section.removeKey ? names.size() - 1 : names.size();
        for (size_t i = 0; i < walked; ++i) key = &childOf(*key, names[i]);
        if (section.removeKey) {
            const auto found = findNamed(key->subkeys, names.back());
            if (found != key->subkeys.end()) key->subkeys.erase(found);
            continue;
        }
        for (const Entry& entry : section.entries) setValue(*key, entry);
    }
    SortKey(top);
    return top;
}

const Key* FindKey(const Key& imported, std::u16string_view path) {
    std::vector<std::u16string_view> names = PathNames(path);
    names.front() = FullRootName(names.front());
    const Key* key = &imported;
    for (std::u16string_view name : names) {
        const auto found = findNamed(key->subkeys, name);
        if (found == key->subkeys.end()) return nullptr;
        key = &*found;
    }
    return key;
}

void AppendKeySections(std::vector<Section>& sections, const std::u16string& path, const Key& key) {
    Section section;
    section.path = path;
    for (const Value& value : key.values) section.entries.push_back(Entry{value, false});
    sections.push_back(std::move(section));
    for (const Key& subkey : key.subkeys)
        AppendKeySections(sections, path + u"\\" + subkey.name, subkey);
}

Script RecordScript(std::vector<std::u16string> comments, const std::vector<KeyState>& states) {
    Script script;
    script.comments = std::move(comments);
    for (const KeyState& state : states) {
        script.sections.push_back(Section{state.path, true, {}});
        if (state.key) AppendKeySections(script.sections, state.path, *state.key);
    }
    return script;
}

std::vector<KeyState> RecordedStates(const Script& record) {
    const Key imported = ImportScript(record);
    std::vector<KeyState> states;
    for (const Section& section : record.sections) {
        if (!section.removeKey) continue;
        const bool seen = std::any_of(states.begin(), states.end(),
                                      [&](const KeyState& s) { return s.path == section.path; });
        if (seen) continue;
        const Key* key = FindKey(imported, section.path);
        states.push_back(KeyState{section.path, key ? std::optional<Key>(*key) : std::nullopt});
    }
    return states;
}

}  // namespace regscript
