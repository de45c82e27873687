#pragma once
// An action as the user edits it, before anything is written.

#include <cstddef>
#include <optional>
#include <string>

namespace actions {

struct ActionDraft {
    std::optional<std::size_t> editing;  // the index of the verb edited; nullopt for a new one
    std::string name;                    // the verb's key name
    std::string text;                    // the menu text
    std::string command;
    bool extended = false;  // shown only when Shift is held
    // Mends of the registry the user chose while editing, made when the edit is saved.
    bool removeDde = false;         // the verb's ddeexec key goes
    bool clearDefaultVerb = false;  // the shell key's default value is emptied
};

}  // namespace actions
