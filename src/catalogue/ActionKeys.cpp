#include "catalogue/ActionKeys.h"

#include <optional>
#include <vector>

#include "base/IndirectString.h"
#include "catalogue/Schema.h"

using actions::Verb;

namespace {

// A path from the root of the classes, whatever key the registry object has selected.
std::string fromRoot(const std::string& path) {
    return "\\" + path;
}

// The text of a string value of the selected key; nullopt when it is missing or holds another
// type of data, which names nothing the shell reads as text.
std::optional<std::string> textOf(const TRegistry& reg, const std::string& name) {
    const DWORD type = reg.ValueType(name);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    return reg.ReadValueText(name);
}

// The default value of the key at path, as textOf reads it.
std::optional<std::string> defaultOf(TRegistry& reg, const std::string& path) {
    if (!reg.SelectKey(fromRoot(path), false)) return std::nullopt;
    return textOf(reg, kDefaultValue);
}

Verb readVerb(TRegistry& reg, const std::string& path, const std::string& name) {
    Verb verb;
    verb.name = name;
    if (!reg.SelectKey(fromRoot(path), false)) return verb;
    verb.text = textOf(reg, kDefaultValue).value_or("");
    verb.muiVerb = textOf(reg, "MUIVerb").value_or("");
    if (!verb.muiVerb.empty()) verb.muiVerbResolved = LoadIndirectString(verb.muiVerb);
    verb.extended = reg.ValuePresent(kExtendedValue);
    verb.legacyDisable = reg.ValuePresent("LegacyDisable");
    verb.programmaticAccessOnly = reg.ValuePresent("ProgrammaticAccessOnly");
    verb.icon = textOf(reg, "Icon").value_or("");
    const std::optional<std::string> explorerCommand = textOf(reg, "ExplorerCommandHandler");

    std::optional<std::string> delegate;
    if (reg.SelectKey(fromRoot(path + "\\" + kCommandKey), false)) {
        verb.command = textOf(reg, kDefaultValue);
        verb.commandExpandable = verb.command && reg.ValueType(kDefaultValue) == REG_EXPAND_SZ;
        delegate = textOf(reg, "DelegateExecute");
    }
    // The shell asks the verb key's handler first.
    if (explorerCommand) verb.handler = actions::Handler::ExplorerCommandHandler;
    if (!explorerCommand && delegate) verb.handler = actions::Handler::DelegateExecute;
    verb.handlerClsid = explorerCommand ? *explorerCommand : delegate.value_or("");

    const std::string dde = path + "\\" + kDdeKey;
    if (reg.KeyPresent(fromRoot(dde)))
        verb.dde = actions::Dde{defaultOf(reg, dde + "\\Application").value_or(""),
                                defaultOf(reg, dde + "\\Topic").value_or(""),
                                defaultOf(reg, dde + "\\IfExec").value_or("")};
    return verb;
}

}  // namespace

std::string ShellKeyPath(const std::string& typeName) {
    return typeName + "\\" + kShellKey;
}

std::string VerbKeyPath(const std::string& typeName, const std::string& verb) {
    return ShellKeyPath(typeName) + "\\" + verb;
}

actions::TypeActions ReadTypeActions(const std::string& typeName) {
    actions::TypeActions type;
    ClassesRoot reg;
    if (!reg.SelectKey(fromRoot(ShellKeyPath(typeName)), false)) return type;
    type.defaultVerb = textOf(reg, kDefaultValue);
    std::vector<std::string> names;
    reg.ListSubkeys(names);
    for (const std::string& name : names)
        type.verbs.push_back(readVerb(reg, VerbKeyPath(typeName, name), name));
    return type;
}
