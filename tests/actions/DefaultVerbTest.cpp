// Which action a double click runs, from the shell key's default value and the type's verbs.

#include <gtest/gtest.h>

#include "actions/DefaultVerb.h"

using namespace actions;

namespace {

TypeActions typeOf(const char* shellDefault, const std::vector<std::string>& names) {
    TypeActions type;
    if (shellDefault) type.defaultVerb = shellDefault;
    for (const std::string& name : names) type.verbs.emplace_back().name = name;
    return type;
}

struct DefaultCase {
    const char* name;
    const char* shellDefault;  // nullptr: no default value
    std::vector<std::string> verbs;
    int runs;  // -1: none
    bool namesNoVerb;
};

const DefaultCase kDefaultCases[] = {
    {"NamedVerbInOtherCase", "EDIT", {"open", "Edit"}, 1, false},
    {"FirstListedThatExists", "preview, Print open", {"open", "edit", "print"}, 2, false},
    {"ListWithTabsAndBlanks", "  gone\tПечать ", {"open", "Печать"}, 1, false},
    {"NamesNoneSoOpen", "gone", {"edit", "OPEN"}, 1, true},
    {"NamesNoneNoOpenSoFirst", "gone,lost", {"打开", "print"}, 0, true},
    {"AbsentSoOpen", nullptr, {"print", "Open"}, 1, false},
    {"EmptySoFirst", "", {"print", "edit"}, 0, false},
    {"SeparatorsOnlySoFirst", " , ", {"print"}, 0, false},
    {"NoVerbsAtAll", "open", {}, -1, true},
};

TEST(DefaultVerb, FollowsTheShellKeyThenOpenThenRegistryOrder) {
    for (const DefaultCase& c : kDefaultCases) {
        const DefaultVerb found = FindDefaultVerb(typeOf(c.shellDefault, c.verbs));
        EXPECT_EQ(found.index ? static_cast<int>(*found.index) : -1, c.runs) << c.name;
        EXPECT_EQ(found.namesNoVerb, c.namesNoVerb) << c.name;
    }
}

TEST(DefaultVerb, NamesCompareByTheRuleGiven) {
    const DefaultVerb exact =
        FindDefaultVerb(typeOf("EDIT", {"print", "edit"}), std::equal_to<std::string>());
    EXPECT_EQ(exact.index, 0u);
    EXPECT_TRUE(exact.namesNoVerb);
}

}  // namespace
