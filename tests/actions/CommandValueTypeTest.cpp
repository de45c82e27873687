// The value type a command line is written with.

#include <gtest/gtest.h>

#include "actions/CommandValueType.h"

using namespace actions;

namespace {

struct TypeCase {
    const char* name;
    std::optional<std::string> stored;
    bool storedExpandable;
    std::string command;
    CommandValueType written;
};

constexpr CommandValueType kSz = CommandValueType::String;
constexpr CommandValueType kExpandSz = CommandValueType::ExpandableString;

const TypeCase kTypeCases[] = {
    {"NewPlain", std::nullopt, false, "\"C:\\Program Files\\App\\app.exe\" \"%1\" %*", kSz},
    {"NewNamingAVariable", std::nullopt, false, "\"%SystemRoot%\\notepad.exe\" \"%1\"", kExpandSz},
    {"StoredPlainStaysPlain", "notepad.exe %1", false, "\"%SystemRoot%\\notepad.exe\" \"%1\"", kSz},
    {"StoredExpandableStaysSo", "%windir%\\notepad.exe %1", true, "notepad.exe \"%1\"", kExpandSz},
};

TEST(CommandValueType, KeepsTheStoredTypeOrFollowsTheText) {
    for (const TypeCase& c : kTypeCases) {
        Verb verb;
        verb.command = c.stored;
        verb.commandExpandable = c.storedExpandable;
        EXPECT_EQ(CommandValueTypeFor(verb, c.command), c.written) << c.name;
    }
}

}  // namespace
