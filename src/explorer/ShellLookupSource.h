#pragma once
// The lookup of what Explorer shows, asked of this machine: the user's and the machine's
// classes read each on its own (HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, Software\Classes),
// the environment, the icon files and the shell.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "explorer/ExplorerLookup.h"
#include "icons/IconExtract.h"
#include "icons/TIcon.h"

class ShellLookupSource : public explorer::LookupSource {
public:
    std::optional<std::string> ReadText(explorer::Hive hive, const std::string& path,
                                        const std::string& valueName) override;
    bool KeyExists(explorer::Hive hive, const std::string& path) override;
    std::string Expand(const std::string& text) override;
    std::optional<std::string> LoadIndirect(const std::string& text) override;
    explorer::IconProbe ProbeIcon(const std::string& file, std::int32_t index) override;
    std::string ShellTypeName(const std::string& extension) override;
    std::vector<std::string> ListSubkeys(explorer::Hive hive, const std::string& path) override;
};

// The icon at index of file, an expanded path with no quotes; a negative index is a resource
// id, as the shell reads DefaultIcon values. The icon is size pixels square.
TIcon IconOfLocation(const std::string& file, std::int32_t index, int size = kIconSize);

// The icon the shell itself gives a file of the extension, size pixels square where the shell
// names the file it takes it from.
TIcon ShellIconOf(const std::string& extension, int size = kIconSize);
