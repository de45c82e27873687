// How long a key name may be, and which texts the registry is given as expandable strings.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

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

TEST(RegistryTextTest, RewrittenValuesKeepTheirStringTypeAndNewOnesExpandWithAVariable) {
    const std::tuple<std::optional<std::uint32_t>, const char*, bool> cases[] = {
        {2, "C:\\plain.dll,1", true},
        {1, "%SystemRoot%\\a.dll,-2", false},
        {std::nullopt, "%SystemRoot%\\a.dll,-2", true},
        {std::nullopt, "Text", false},
        {3, "%windir%\\a.dll", true},  // a value of another type becomes text
    };
    for (const auto& [stored, text, expandable] : cases)
        EXPECT_EQ(WritesExpandable(stored, text), expandable) << text;
}

TEST(RegistryTextTest, NamesInMessagesAreCutWithAnEllipsis) {
    EXPECT_EQ(Abbreviated("short", 5), "short");
    EXPECT_EQ(Abbreviated("longer", 5), "long\xE2\x80\xA6");
    // Cut between whole letters: three Cyrillic ones and the ellipsis.
    EXPECT_EQ(Abbreviated("\xD0\x96\xD0\x96\xD0\x96\xD0\x96\xD0\x96", 4),
              "\xD0\x96\xD0\x96\xD0\x96\xE2\x80\xA6");
}

}  // namespace
