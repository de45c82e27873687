// The names a file type may be given: never the root of HKEY_CLASSES_ROOT, never a nested key,
// never another existing key; the type's own key in any letter case is kept.

#include "catalogue/TypeNameRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

// The registry's rule, for the ASCII names these cases use.
bool asciiCaseBlind(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

TEST(TypeNameRules, AFreshTopLevelNameIsAccepted) {
    EXPECT_EQ(RenameRefusal("New", "Old", asciiCaseBlind, [](const std::string&) { return false; }),
              "");
    EXPECT_EQ(NewTypeNameRefusal("New.Type 2"), "");
}

TEST(TypeNameRules, TheOldNameInAnyLetterCaseIsAcceptedWithoutAskingTheRegistry) {
    auto present = [](const std::string&) { return true; };
    EXPECT_EQ(RenameRefusal("Old", "Old", asciiCaseBlind, present), "");
    EXPECT_EQ(RenameRefusal("OLD", "Old", asciiCaseBlind, present), "");
    EXPECT_EQ(RenameRefusal("old", "Old", asciiCaseBlind, present), "");
}

TEST(TypeNameRules, ANewTypeMayNotBeEmptyOrHoldABackslash) {
    EXPECT_EQ(NewTypeNameRefusal(""), "Enter a File Type name!");
    EXPECT_EQ(NewTypeNameRefusal("a\\b"), "A File Type name cannot contain a backslash!");
    EXPECT_EQ(NewTypeNameRefusal("\\"), "A File Type name cannot contain a backslash!");
    EXPECT_EQ(NewTypeNameRefusal(std::string(256, 't')),
              "A key name can have at most 255 characters!");
    EXPECT_EQ(
        RenameRefusal(std::string(256, 't'), "Old", asciiCaseBlind, [](auto&) { return false; }),
        "A key name can have at most 255 characters!");
}

TEST(TypeNameRules, NamesOfTheBaseKeyAreEmptyOrBackslashesOnly) {
    EXPECT_TRUE(NamesBaseKey(""));
    EXPECT_TRUE(NamesBaseKey("\\"));
    EXPECT_TRUE(NamesBaseKey("\\\\"));
    EXPECT_FALSE(NamesBaseKey("a"));
    EXPECT_FALSE(NamesBaseKey("\\a"));
}
