#pragma once
// A file type's actions (verbs) as the registry holds them below the type key, kept as plain
// data; the caller reads and writes the registry:
//
//     shell                  (default)  the default action, or a list: "edit,open" or "edit open"
//     shell\<verb>           (default)  the menu text; MUIVerb, Extended, Icon, LegacyDisable,
//                                       ProgrammaticAccessOnly, ExplorerCommandHandler
//     shell\<verb>\command   (default)  the command line; DelegateExecute
//     shell\<verb>\ddeexec              the DDE message: Application, Topic, IfExec
//
// Text is UTF-8, as everywhere in the program.

#include <optional>
#include <string>
#include <vector>

namespace actions {

// What runs a verb in place of a command line: the CLSID named by DelegateExecute in the
// command key, or by ExplorerCommandHandler in the verb key.
enum class Handler { None, DelegateExecute, ExplorerCommandHandler };

// The DDE conversation of a verb's ddeexec key.
struct Dde {
    std::string application, topic, ifExec;
};

struct Verb {
    std::string name;                            // the key name, as stored
    std::string text;                            // the verb key's default value
    std::string muiVerb;                         // as stored: "@%SystemRoot%\...\shell32.dll,-8506"
    std::optional<std::string> muiVerbResolved;  // the caller's reading of it, when it had one
    bool extended = false;                       // shown only when Shift is held
    bool legacyDisable = false;                  // kept from the menu
    bool programmaticAccessOnly = false;         // kept from the menu
    std::string icon;
    std::optional<std::string> command;  // the command key's default value, when there is one
    bool commandExpandable = false;      // stored as REG_EXPAND_SZ
    Handler handler = Handler::None;
    std::string handlerClsid;
    std::optional<Dde> dde;  // present when the verb has a ddeexec key

    bool hidden() const { return legacyDisable || programmaticAccessOnly; }
    bool runByHandler() const { return handler != Handler::None; }
};

struct TypeActions {
    std::optional<std::string> defaultVerb;  // the shell key's default value, when present
    std::vector<Verb> verbs;                 // in the order the registry lists them
};

}  // namespace actions
