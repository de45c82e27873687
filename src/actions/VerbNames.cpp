#include "actions/VerbNames.h"

#include <algorithm>

namespace actions {

namespace {

constexpr const char* kSeparators = ", \t";

}  // namespace

std::optional<std::size_t> FindVerb(const TypeActions& actions, const std::string& name,
                                    const SameName& same) {
    for (std::size_t i = 0; i < actions.verbs.size(); ++i)
        if (same(actions.verbs[i].name, name)) return i;
    return std::nullopt;
}

std::vector<std::string> ListedVerbNames(const std::string& value) {
    std::vector<std::string> names;
    for (std::size_t at = value.find_first_not_of(kSeparators); at != std::string::npos;) {
        const std::size_t end = value.find_first_of(kSeparators, at);
        names.push_back(value.substr(at, end - at));
        at = value.find_first_not_of(kSeparators, end);
    }
    return names;
}

std::optional<std::string> DefaultAfterRename(const std::string& value, const std::string& oldName,
                                              const std::string& newName, const SameName& same) {
    std::string renamed;
    std::size_t copied = 0;  // value[0, copied) is in renamed
    for (std::size_t at = value.find_first_not_of(kSeparators); at != std::string::npos;) {
        const std::size_t end = std::min(value.find_first_of(kSeparators, at), value.size());
        if (same(value.substr(at, end - at), oldName)) {
            renamed += value.substr(copied, at - copied) + newName;
            copied = end;
        }
        at = value.find_first_not_of(kSeparators, end);
    }
    if (copied == 0) return std::nullopt;
    return renamed + value.substr(copied);
}

}  // namespace actions
