// How long a key name may be, and which texts the registry is given as expandable strings.

#include <gtest/gtest.h>

#include <string>

#include "base/RegistryText.h"
#include "base/Utf8.h"

namespace {

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(RegistryTextTest, KeyNamesHoldAtMost255Utf16Units) {
    EXPECT_TRUE(FitsKeyName(repeated("a", 255)));
    EXPECT_FALSE(FitsKeyName(repeated("a", 256)));
    // 255 Cyrillic letters are 510 bytes and still one unit each.
    EXPECT_TRUE(FitsKeyName(repeated("\xD0\x96", 255)));
    // A character beyond U+FFFF takes two units: 128 of them are 256.
    EXPECT_EQ(Utf16Length(repeated("\xF0\x9F\x98\x80", 128)), 256u);
    EXPECT_FALSE(FitsKeyName(repeated("\xF0\x9F\x98\x80", 128)));
}

TEST(RegistryTextTest, TellsVariableReferencesFromPlaceholders) {
    const std::pair<const char*, bool> cases[] = {
        {"%SystemRoot%\\system32\\imageres.dll,-102", true},
        {"\"%ProgramFiles(x86)%\\App\\app.exe\" \"%1\"", true},
        {"%windir%", true},
        {"\"C:\\Tools\\app.exe\" \"%1\"", false},
        {"app.exe %1 %2 %*", false},
        {"app.exe \"%1\" \"%2\"", false},
        {"app.exe %L%V", false},
        {"100% sure", false},
        {"", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(HoldsVariableReference(text), expected) << text;
}

}  // namespace
