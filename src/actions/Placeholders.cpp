#include "actions/Placeholders.h"

#include "base/RegistryText.h"

namespace actions {

std::vector<std::size_t> UnquotedPathPlaceholders(const std::string& command) {
    std::vector<std::size_t> found;
    bool inQuotes = false;
    for (std::size_t at = 0; at < command.size(); ++at) {
        if (command[at] == '"') inQuotes = !inQuotes;
        if (command[at] != '%' || at + 1 == command.size()) continue;
        const std::size_t close = command.find('%', at + 1);
        if (close != std::string::npos &&
            HoldsVariableReference(command.substr(at, close - at + 1))) {
            at = close;
            continue;
        }
        const char letter = command[at + 1];
        const bool pathPlaceholder =
            letter == '1' || letter == 'L' || letter == 'l' || letter == 'V' || letter == 'v';
        if (pathPlaceholder && !inQuotes) found.push_back(at);
    }
    return found;
}

std::string QuotedPart(const std::string& command, std::size_t begin, std::size_t end) {
    return command.substr(0, begin) + '"' + command.substr(begin, end - begin) + '"' +
           command.substr(end);
}

}  // namespace actions
