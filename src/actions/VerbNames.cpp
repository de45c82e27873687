#include "actions/VerbNames.h"

namespace actions {

std::optional<std::size_t> FindVerb(const TypeActions& actions, const std::string& name,
                                    const SameName& same) {
    for (std::size_t i = 0; i < actions.verbs.size(); ++i)
        if (same(actions.verbs[i].name, name)) return i;
    return std::nullopt;
}

std::vector<std::string> ListedVerbNames(const std::string& value) {
    constexpr const char* kSeparators = ", \t";
    std::vector<std::string> names;
    for (std::size_t at = value.find_first_not_of(kSeparators); at != std::string::npos;) {
        const std::size_t end = value.find_first_of(kSeparators, at);
        names.push_back(value.substr(at, end - at));
        at = value.find_first_not_of(kSeparators, end);
    }
    return names;
}

}  // namespace actions
