#pragma once
// The command lines of actions checked against this machine: its environment, its files, and
// the search the system makes for a program named without a folder.

#include <optional>
#include <string>

#include "actions/CommandLine.h"

class MachineCommandSystem : public actions::CommandSystem {
public:
    std::string Expand(const std::string& text) override;
    // A file, not a folder; the file system ignores letter case.
    bool FileExists(const std::string& path) override;
    // The folders the system searches (the program's own, the system's, PATH), then the App
    // Paths key of the user and of the machine, whose default value names a program by its
    // file name.
    std::optional<std::string> Search(const std::string& name) override;
};
