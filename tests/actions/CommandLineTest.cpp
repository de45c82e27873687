// The program part of a command line, found as the system finds the program to start.

#include <gtest/gtest.h>

#include "actions/CommandLine.h"
#include "actions/TableSystem.h"

using namespace actions;

namespace {

struct ProgramCase {
    const char* name;
    std::string command, part, lookedFor, found, arguments;  // found empty: nowhere
};

const ProgramCase kProgramCases[] = {
    {"QuotedHoldsBlanks", "\"C:\\Program Files\\App\\app.exe\" \"%1\"",
     "\"C:\\Program Files\\App\\app.exe\"", "C:\\Program Files\\App\\app.exe",
     "C:\\Program Files\\App\\app.exe", "\"%1\""},
    {"UnquotedTriesEachBlank", "C:\\Program Files\\App\\app.exe /open %1",
     "C:\\Program Files\\App\\app.exe", "C:\\Program Files\\App\\app.exe",
     "C:\\Program Files\\App\\app.exe", "/open %1"},
    {"ShorterCandidateThatExistsWins", "C:\\My Apps\\tool.exe %1", "C:\\My", "C:\\My.exe",
     "C:\\My.exe", "Apps\\tool.exe %1"},
    {"ExeAddedWithoutExtension", "C:\\Program Files\\App\\app  -x", "C:\\Program Files\\App\\app",
     "C:\\Program Files\\App\\app.exe", "C:\\Program Files\\App\\app.exe", "-x"},
    {"VariablesExpandedToFind", "%SystemRoot%\\system32\\notepad.exe %L",
     "%SystemRoot%\\system32\\notepad.exe", "C:\\Windows\\system32\\notepad.exe",
     "C:\\Windows\\system32\\notepad.exe", "%L"},
    {"BareNameSearched", "  rundll32 shell32.dll,OpenAs_RunDLL %1", "rundll32", "rundll32.exe",
     "C:\\Windows\\system32\\rundll32.exe", "shell32.dll,OpenAs_RunDLL %1"},
    {"CyrillicAndCjkFolders", "\"C:\\Программы\\Редактор 文本\\edit.exe\" %V",
     "\"C:\\Программы\\Редактор 文本\\edit.exe\"", "C:\\Программы\\Редактор 文本\\edit.exe",
     "C:\\Программы\\Редактор 文本\\edit.exe", "%V"},
    {"QuotedVariable", "\"%LOCALAPPDATA%\\App\\app.exe\" \"%1\" %*",
     "\"%LOCALAPPDATA%\\App\\app.exe\"", "C:\\Users\\Дмитрий\\AppData\\Local\\App\\app.exe",
     "C:\\Users\\Дмитрий\\AppData\\Local\\App\\app.exe", "\"%1\" %*"},
    {"UnclosedQuoteRunsToTheEnd", "\"C:\\Program Files\\App\\app.exe",
     "\"C:\\Program Files\\App\\app.exe", "C:\\Program Files\\App\\app.exe",
     "C:\\Program Files\\App\\app.exe", ""},
    {"MissingStandsForTheNameWithExtension", "C:\\Old Tools\\gone.exe -f %1",
     "C:\\Old Tools\\gone.exe", "C:\\Old Tools\\gone.exe", "", "-f %1"},
    {"MissingWithoutExtensionIsTheFirstWord", "nothere %1", "nothere", "nothere.exe", "", "%1"},
};

TEST(CommandLine, FindsTheProgramPart) {
    TableSystem system;
    for (const ProgramCase& c : kProgramCases) {
        const Program program = FindProgram(c.command, system);
        EXPECT_EQ(c.command.substr(program.begin, program.end - program.begin), c.part) << c.name;
        EXPECT_EQ(program.quoted, c.part.front() == '"') << c.name;
        EXPECT_EQ(program.lookedFor, c.lookedFor) << c.name;
        EXPECT_EQ(program.found.value_or(""), c.found) << c.name;
        EXPECT_EQ(program.arguments, c.arguments) << c.name;
    }
}

}  // namespace
