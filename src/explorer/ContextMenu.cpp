#include "explorer/ContextMenu.h"

#include <algorithm>
#include <utility>

#include "actions/ActionsList.h"
#include "actions/DefaultVerb.h"
#include "actions/MenuText.h"
#include "base/AsciiCase.h"

namespace explorer {

namespace {

using VerbKey = std::pair<std::string, Where>;

// The verb keys below key\shell as HKEY_CLASSES_ROOT lists them: the user's, then those of the
// machine that the user's part does not hold.
std::vector<VerbKey> verbKeys(LookupSource& source, const std::string& key) {
    const std::string shell = std::string(kClassesPath) + "\\" + key + "\\shell";
    std::vector<VerbKey> keys;
    for (const std::string& name : source.ListSubkeys(Hive::User, shell))
        keys.push_back({name, Where::User});
    for (const std::string& name : source.ListSubkeys(Hive::Machine, shell)) {
        const auto user = std::find_if(keys.begin(), keys.end(), [&](const VerbKey& k) {
            return EqualIgnoringAsciiCase(k.first, name);
        });
        if (user != keys.end())
            user->second = Where::Both;
        else
            keys.push_back({name, Where::Machine});
    }
    return keys;
}

actions::Verb readVerb(LookupSource& source, const ClassesText& read, const std::string& path,
                       const std::string& name) {
    actions::Verb verb;
    verb.name = name;
    verb.text = read(path, "").value_or("");
    verb.muiVerb = read(path, "MUIVerb").value_or("");
    if (!verb.muiVerb.empty()) verb.muiVerbResolved = source.LoadIndirect(verb.muiVerb);
    verb.extended = read(path, "Extended").has_value();
    verb.legacyDisable = read(path, "LegacyDisable").has_value();
    verb.programmaticAccessOnly = read(path, "ProgrammaticAccessOnly").has_value();
    verb.command = read(path + "\\command", "");
    const std::optional<std::string> explorerCommand = read(path, "ExplorerCommandHandler");
    const std::optional<std::string> delegate = read(path + "\\command", "DelegateExecute");
    if (explorerCommand) verb.handler = actions::Handler::ExplorerCommandHandler;
    if (!explorerCommand && delegate) verb.handler = actions::Handler::DelegateExecute;
    verb.handlerClsid = explorerCommand ? *explorerCommand : delegate.value_or("");
    return verb;
}

MenuVerb shownVerb(LookupSource& source, const actions::Verb& verb, const std::string& key,
                   Where where) {
    MenuVerb shown;
    shown.key = key;
    shown.where = where;
    shown.text = actions::WithoutAccessKeys(actions::MenuText(verb));
    shown.extended = verb.extended;
    shown.handler = verb.handlerClsid;
    if (!verb.runByHandler()) shown.command = source.Expand(verb.command.value_or(""));
    return shown;
}

}  // namespace

std::vector<std::string> ContextMenuKeys(const ExplorerView& view) {
    std::vector<std::string> keys;
    if (!view.type.empty()) keys.push_back(view.type);
    if (!view.userChoice.empty() && !view.extensionType.text.empty() &&
        !EqualIgnoringAsciiCase(view.userChoice, view.extensionType.text))
        keys.push_back(view.extensionType.text);
    keys.push_back("SystemFileAssociations\\" + view.extension);
    if (!view.perceivedType.text.empty())
        keys.push_back("SystemFileAssociations\\" + view.perceivedType.text);
    return keys;
}

std::vector<MenuVerb> ReadContextMenu(LookupSource& source, const ClassesText& read,
                                      const std::vector<std::string>& keys) {
    std::vector<MenuVerb> menu;
    std::vector<std::string> met;
    bool doubleClickFound = false;
    for (const std::string& key : keys) {
        actions::TypeActions type;
        type.defaultVerb = read(key + "\\shell", "");
        const std::vector<VerbKey> names = verbKeys(source, key);
        for (const auto& [name, where] : names)
            type.verbs.push_back(readVerb(source, read, key + "\\shell\\" + name, name));
        // The verb a double click runs; the end of the list when none of these does.
        const std::size_t runs =
            doubleClickFound ? type.verbs.size()
                             : actions::FindDefaultVerb(type).index.value_or(type.verbs.size());
        doubleClickFound = doubleClickFound || runs < type.verbs.size();
        for (std::size_t i = 0; i < type.verbs.size(); ++i) {
            const actions::Verb& verb = type.verbs[i];
            const bool seen = std::any_of(met.begin(), met.end(), [&](const std::string& name) {
                return EqualIgnoringAsciiCase(name, verb.name);
            });
            if (seen || (verb.hidden() && runs != i)) continue;
            met.push_back(verb.name);
            MenuVerb shown =
                shownVerb(source, verb, key + "\\shell\\" + verb.name, names[i].second);
            shown.doubleClick = runs == i;
            menu.insert(shown.doubleClick ? menu.begin() : menu.end(), shown);
        }
    }
    return menu;
}

ViewLine MenuLine(const MenuVerb& verb) {
    const std::string runs = verb.handler.empty() ? verb.command : "handler " + verb.handler;
    return {verb.doubleClick ? "Double-click runs" : "Context menu",
            verb.text + (verb.extended ? " (" + std::string(actions::kExtendedMark) + ")" : "") +
                ": " + runs,
            verb.key + " in " + WhereText(verb.where)};
}

}  // namespace explorer
