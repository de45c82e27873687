#include "actions/ActionsList.h"

#include <utility>

#include "actions/MenuText.h"

namespace actions {

std::string WithoutAccessKeys(const std::string& text) {
    std::string shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '&' && at + 1 < text.size()) ++at;
        shown += text[at];
    }
    return shown;
}

ActionsRow ActionsListRow(const Verb& verb, bool isDefault) {
    ActionsRow row;
    std::string marks;
    for (const auto& [on, mark] : {std::pair{isDefault, kDefaultMark},
                                   {verb.extended, kExtendedMark},
                                   {verb.hidden(), kHiddenMark}})
        if (on) marks += (marks.empty() ? "" : ", ") + std::string(mark);
    row.text = WithoutAccessKeys(MenuText(verb)) + (marks.empty() ? "" : " (" + marks + ")");
    row.readOnly = verb.runByHandler();
    row.command =
        row.readOnly ? "Run by the handler " + verb.handlerClsid : verb.command.value_or("");
    return row;
}

}  // namespace actions
