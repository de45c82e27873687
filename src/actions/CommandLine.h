#pragma once
// A verb's command line read as the system reads it to start the program:
//
//     "C:\Program Files\App\app.exe" /open "%1"      the program is what the quotes hold
//     C:\Program Files\App\app.exe /open "%1"        C:\Program.exe, then
//                                                    C:\Program Files\App\app.exe ... are tried
//
// Unquoted, each blank ends a candidate, the shortest first, and the first candidate that names
// an existing file is the program (".exe" added to a name without an extension); the rest are
// the arguments. Environment variables are expanded to find the program only: the stored text
// is never changed here.

#include <cstddef>
#include <optional>
#include <string>

namespace actions {

// The file system and environment a command line is checked against: this machine in the
// program, a table of files in the tests.
class CommandSystem {
public:
    virtual ~CommandSystem() = default;
    // %VARIABLE% references replaced by the environment's values.
    virtual std::string Expand(const std::string& text) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // The full path of a bare file name, found as the system finds a program to start; nullopt
    // when it is nowhere.
    virtual std::optional<std::string> Search(const std::string& name) = 0;
};

struct Program {
    std::size_t begin = 0;  // where the program part starts in the command line
    std::size_t end = 0;    // where it ends, after its closing quote
    bool quoted = false;
    std::string lookedFor;             // expanded, unquoted, ".exe" added where it had none
    std::optional<std::string> found;  // the file that runs, when there is one: "%1" for the file
};

// name as the system runs it: with ".exe" added when its name part has no extension.
std::string WithProgramExtension(const std::string& name);

// The program part of command. When no candidate names a file, the shortest that ends in a
// name with an extension stands for the program, else the first word: the part the user most
// likely meant.
Program FindProgram(const std::string& command, CommandSystem& system);

}  // namespace actions
