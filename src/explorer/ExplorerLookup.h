#pragma once
// What Explorer shows for an extension, found the way the shell finds it: the type the
// extension key names or the user's choice of default app, CurVer redirections, the
// FriendlyTypeName or the description, DefaultIcon or an icon handler, the actions of the
// context menu and the one a double click runs. HKEY_CLASSES_ROOT merges the user's classes
// (HKCU\Software\Classes) over the machine's (HKLM\Software\Classes); the lookup reads both
// parts itself and says where each step was read, so it also holds where the system does not
// merge them. No Win32 here: the registry, the environment and the icon files are asked through
// LookupSource.

#include <string>
#include <vector>

#include "explorer/ExplorerView.h"

namespace explorer {

ExplorerView LookUp(LookupSource& source, const std::string& extension);

std::vector<ViewLine> ViewLines(const ExplorerView& view);

}  // namespace explorer
