#pragma once
// The actions of a file's context menu and the one a double click runs, as the shell gathers
// them from several classes keys in turn: the type Explorer uses, the extension's own type where
// the user chose another, SystemFileAssociations\<.ext> and SystemFileAssociations\<perceived
// type>. An action met again under a later key is the one met first.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "explorer/ExplorerView.h"

namespace explorer {

// A value of the merged classes as the lookup reads it: the text of valueName of key (a path
// below Software\Classes), nullopt where neither part holds it.
using ClassesText =
    std::function<std::optional<std::string>(const std::string& key, const std::string& valueName)>;

// The classes keys whose actions make up the context menu of view's extension, in order.
std::vector<std::string> ContextMenuKeys(const ExplorerView& view);

// The actions below each key's shell key, the one a double click runs first: the default of the
// first key that has actions. Actions kept from the menu (LegacyDisable, ProgrammaticAccessOnly)
// are left out unless a double click runs them.
std::vector<MenuVerb> ReadContextMenu(LookupSource& source, const ClassesText& read,
                                      const std::vector<std::string>& keys);

// The line of Explorer's view that shows verb.
ViewLine MenuLine(const MenuVerb& verb);

}  // namespace explorer
