#pragma once
// A machine of the tests' own for command lines: a table of files, three environment variables,
// and a search that looks in the system folder only.

#include <set>
#include <string>
#include <utility>

#include "actions/CommandLine.h"

class TableSystem : public actions::CommandSystem {
public:
    std::string Expand(const std::string& text) override {
        std::string expanded = text;
        for (const auto& [name, value] : kVariables)
            for (std::size_t at; (at = expanded.find(name)) != std::string::npos;)
                expanded.replace(at, name.size(), value);
        return expanded;
    }
    bool FileExists(const std::string& path) override { return kFiles.count(path) > 0; }
    std::optional<std::string> Search(const std::string& name) override {
        const std::string path = "C:\\Windows\\system32\\" + name;
        if (!FileExists(path)) return std::nullopt;
        return path;
    }

private:
    inline static const std::pair<std::string, std::string> kVariables[] = {
        {"%SystemRoot%", "C:\\Windows"},
        {"%ProgramFiles%", "C:\\Program Files"},
        {"%LOCALAPPDATA%", "C:\\Users\\Дмитрий\\AppData\\Local"}};
    inline static const std::set<std::string> kFiles = {
        "C:\\Program Files\\App\\app.exe",
        "C:\\Windows\\system32\\notepad.exe",
        "C:\\Windows\\system32\\rundll32.exe",
        "C:\\My.exe",
        "C:\\Программы\\Редактор 文本\\edit.exe",
        "C:\\Users\\Дмитрий\\AppData\\Local\\App\\app.exe"};
};
