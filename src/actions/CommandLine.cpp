#include "actions/CommandLine.h"

#include "base/AsciiCase.h"

namespace actions {

namespace {

constexpr const char* kBlanks = " \t";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The name part of a path holds a dot.
bool hasExtension(const std::string& path) {
    const std::size_t folderEnd = path.find_last_of("\\/:");
    return path.find('.', folderEnd == std::string::npos ? 0 : folderEnd + 1) != std::string::npos;
}

// A path with a folder (or a drive) is taken as it is; a bare name is searched for.
std::optional<std::string> locate(const std::string& path, CommandSystem& system) {
    if (path.find_first_of("\\/:") == std::string::npos) return system.Search(path);
    if (system.FileExists(path)) return path;
    return std::nullopt;
}

// The program as the part [begin, end) of command gives it.
Program programAt(const std::string& command, std::size_t begin, std::size_t end, bool quoted,
                  CommandSystem& system) {
    Program program;
    program.begin = begin;
    program.end = end;
    program.quoted = quoted;
    const std::size_t innerBegin = quoted ? begin + 1 : begin;
    const bool closed = quoted && end > innerBegin && command[end - 1] == '"';
    const std::string expanded =
        system.Expand(command.substr(innerBegin, end - innerBegin - (closed ? 1 : 0)));
    // A program's own type runs the file itself ("%1" %*): there is nothing to look for.
    if (expanded == "%1" || EqualIgnoringAsciiCase(expanded, "%L")) {
        program.lookedFor = expanded;
        program.found = expanded;
        return program;
    }
    program.lookedFor = WithProgramExtension(expanded);
    program.found = locate(program.lookedFor, system);
    return program;
}

}  // namespace

std::string WithProgramExtension(const std::string& name) {
    return hasExtension(name) ? name : name + ".exe";
}

Program FindProgram(const std::string& command, CommandSystem& system) {
    const std::size_t begin = command.find_first_not_of(kBlanks);
    if (begin == std::string::npos) {
        Program none;  // a blank line names nothing to look for
        none.begin = none.end = command.size();
        return none;
    }
    if (command[begin] == '"') {
        const std::size_t close = command.find('"', begin + 1);
        return programAt(command, begin, close == std::string::npos ? command.size() : close + 1,
                         true, system);
    }
    std::optional<Program> likeliest;
    std::optional<Program> firstWord;
    for (std::size_t end = begin + 1; end <= command.size(); ++end) {
        if (end < command.size() && !isBlank(command[end])) continue;
        if (isBlank(command[end - 1])) continue;
        Program candidate = programAt(command, begin, end, false, system);
        if (candidate.found) return candidate;
        if (!firstWord) firstWord = candidate;
        if (!likeliest && hasExtension(command.substr(begin, end - begin))) likeliest = candidate;
    }
    return likeliest ? *likeliest : *firstWord;
}

}  // namespace actions
