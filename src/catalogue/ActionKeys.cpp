#include "catalogue/ActionKeys.h"

#include <optional>
#include <vector>

#include "base/IndirectString.h"
#include "catalogue/Schema.h"
#include "registry/ClassesView.h"

using actions::Verb;

namespace {

// The text of a string value of the key at path; nullopt when it is missing or holds another
// type of data, which names nothing the shell reads as text.
std::optional<std::string> textOf(ClassesView& view, const std::string& path,
                                  const std::string& name) {
    const DWORD type = view.ValueType(path, name);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    return view.ReadText(path, name, "");
}

bool present(ClassesView& view, const std::string& path, const std::string& name) {
    return view.ValueIn(path, name) != Where::Nowhere;
}

Verb readVerb(ClassesView& view, const std::string& path, const std::string& name) {
    Verb verb;
    verb.name = name;
    verb.text = textOf(view, path, kDefaultValue).value_or("");
    verb.muiVerb = textOf(view, path, "MUIVerb").value_or("");
    if (!verb.muiVerb.empty()) verb.muiVerbResolved = LoadIndirectString(verb.muiVerb);
    verb.extended = present(view, path, kExtendedValue);
    verb.legacyDisable = present(view, path, "LegacyDisable");
    verb.programmaticAccessOnly = present(view, path, "ProgrammaticAccessOnly");
    verb.icon = textOf(view, path, "Icon").value_or("");
    const std::optional<std::string> explorerCommand = textOf(view, path, "ExplorerCommandHandler");

    const std::string command = path + "\\" + kCommandKey;
    verb.command = textOf(view, command, kDefaultValue);
    verb.commandExpandable =
        verb.command && view.ValueType(command, kDefaultValue) == REG_EXPAND_SZ;
    const std::optional<std::string> delegate = textOf(view, command, "DelegateExecute");
    // The shell asks the verb key's handler first.
    if (explorerCommand) verb.handler = actions::Handler::ExplorerCommandHandler;
    if (!explorerCommand && delegate) verb.handler = actions::Handler::DelegateExecute;
    verb.handlerClsid = explorerCommand ? *explorerCommand : delegate.value_or("");

    const std::string dde = path + "\\" + kDdeKey;
    if (view.KeyPresent(dde))
        verb.dde = actions::Dde{textOf(view, dde + "\\Application", kDefaultValue).value_or(""),
                                textOf(view, dde + "\\Topic", kDefaultValue).value_or(""),
                                textOf(view, dde + "\\IfExec", kDefaultValue).value_or("")};
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
    ClassesView view;
    const std::string shell = ShellKeyPath(typeName);
    if (!view.KeyPresent(shell)) return type;
    type.defaultVerb = textOf(view, shell, kDefaultValue);
    for (const std::string& name : view.SubkeyNames(shell))
        type.verbs.push_back(readVerb(view, VerbKeyPath(typeName, name), name));
    return type;
}
