// Icon extraction against real files: this test program's own MAINICON and NOICON, a DLL
// with ten icons of known colours, a missing file and a file that is no icon file.

#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <span>

#include "IconSetColours.h"
#include "icons/IconExtract.h"
#include "icons/LibraryIcons.h"
#include "support/Pixels.h"
#include "support/TestData.h"

namespace {

// Draws the icon at (0, 0) on a white 32 x 32 surface and returns the pixel at (x, y).
COLORREF pixelOf(HICON icon, int x, int y) {
    Pixels surface(32, 32, RGB(255, 255, 255));
    DrawIcon(surface.dc(), 0, 0, icon);
    return surface.at(x, y);
}

HICON handleOf(const TIcon& icon) {
    return static_cast<HICON>(icon.get());
}

std::string directoryOf(const std::string& path) {
    return path.substr(0, path.find_last_of("\\/"));
}

}  // namespace

TEST(OwnIcons, ExecutableCarriesMainIconThenNoIcon) {
    const std::string exe = OwnExecutablePath();
    EXPECT_EQ(CountIcons(exe), 2u);
    TIcon main = ExtractIconFrom(exe, 0);
    TIcon fallback = ExtractIconFrom(exe, 1);
    ASSERT_FALSE(main.empty());
    ASSERT_FALSE(fallback.empty());
    EXPECT_TRUE(ExtractIconFrom(exe, 2).empty());
}

TEST(OwnIcons, NoIconIsARedCrossedCircleOnATransparentImage) {
    ShellIconSource source;
    TIcon fallback = source.Fallback();
    ASSERT_FALSE(fallback.empty());
    // Everything outside the central 12 x 12 pixels is transparent: the white shows through.
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(pixelOf(handleOf(fallback), i, 0), RGB(255, 255, 255));
        EXPECT_EQ(pixelOf(handleOf(fallback), 0, i), RGB(255, 255, 255));
        EXPECT_EQ(pixelOf(handleOf(fallback), i, 9), RGB(255, 255, 255));
        EXPECT_EQ(pixelOf(handleOf(fallback), 22, i), RGB(255, 255, 255));
    }
    int red = 0, grey = 0;
    for (int y = 10; y < 22; ++y)
        for (int x = 10; x < 22; ++x) {
            const COLORREF c = pixelOf(handleOf(fallback), x, y);
            red += c == RGB(255, 0, 0);
            grey += c == RGB(128, 128, 128);
        }
    EXPECT_GT(red, 30);
    EXPECT_GT(grey, 10);
}

TEST(OwnIcons, TheFallbackIsExtractedOnceAndOutlivesTheIconObjectsThatShowIt) {
    ShellIconSource source;
    HICON shown = nullptr;
    {
        TIcon first = source.Fallback();
        TIcon second = source.Fallback();
        shown = handleOf(first);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(handleOf(second), shown);
    }
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(shown, &info)) << "an object showing the fallback destroyed it";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(handleOf(source.Fallback()), shown);
}

TEST(IconFiles, DllIconsComeInOrderWithTheirColours) {
    const std::string dll = TestDataPath("icons10.dll");
    ASSERT_EQ(CountIcons(dll), 10u);
    for (int i = 0; i < 10; ++i) {
        TIcon icon = ExtractIconFrom(dll, i);
        ASSERT_FALSE(icon.empty()) << i;
        const IconSetColour c = IconSetColourOf(i);
        EXPECT_EQ(pixelOf(handleOf(icon), 16, 16), RGB(c.r, c.g, c.b)) << i;
    }
    EXPECT_TRUE(ExtractIconFrom(dll, 10).empty());
}

TEST(IconFiles, MissingFileGivesNoIconAndNoCount) {
    const std::string missing = TestDataPath("no-such-file.dll");
    EXPECT_EQ(CountIcons(missing), 0u);
    EXPECT_TRUE(ExtractIconFrom(missing, 0).empty());
    EXPECT_TRUE(ExtractIconFrom("", 0).empty());
}

TEST(IconFiles, FileThatIsNoIconFileGivesNoIcon) {
    const std::string text = TestDataPath("not-an-icon.txt");
    std::ofstream(text) << "plain words, no icons here\n";
    // Windows answers 1 for such a file, Wine 0; neither is an icon.
    const auto raw =
        reinterpret_cast<UINT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), text.c_str(), 0));
    EXPECT_TRUE(raw == 0 || raw == 1) << raw;
    EXPECT_TRUE(ExtractIconFrom(text, 0).empty());
    EXPECT_EQ(CountIcons(text), 0u);
}

TEST(IconFiles, ShellAnswerOneIsNoIconAndIsNeverDestroyed) {
    TIcon fromOne = IconFromShellResult(reinterpret_cast<HICON>(static_cast<UINT_PTR>(1)));
    EXPECT_TRUE(fromOne.empty());
    EXPECT_EQ(fromOne.get(), nullptr) << "an object holding 1 would hand it to DestroyIcon";
    EXPECT_TRUE(IconFromShellResult(nullptr).empty());
}

TEST(IconFiles, IndexMinusOneIsNeverTakenForAnIcon) {
    EXPECT_TRUE(ExtractIconFrom(TestDataPath("icons10.dll"), -1).empty());
}

TEST(IconFiles, QuotedPathIsUnquotedForTheCall) {
    TIcon icon = ExtractIconFrom("\"" + TestDataPath("icons10.dll") + "\"", 2);
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(pixelOf(handleOf(icon), 16, 16), RGB(0, 0, 255));
}

TEST(IconFiles, EnvironmentReferencesAreExpandedForTheCall) {
    const std::string dll = TestDataPath("icons10.dll");
    ASSERT_TRUE(SetEnvironmentVariableA("KESTRUNE_ICON_DIR", directoryOf(dll).c_str()));
    const std::string stored = "%KESTRUNE_ICON_DIR%\\icons10.dll";
    EXPECT_EQ(ExtractionPath(stored), dll);
    EXPECT_EQ(CountIcons(stored), 10u);
    TIcon icon = ExtractIconFrom("\"" + stored + "\"", 3);
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(pixelOf(handleOf(icon), 16, 16), RGB(255, 255, 0));
}

// A reference that expands to a folder in another script: the system reports the expansion's
// length in UTF-16 units, and its UTF-8 form is longer.
TEST(IconFiles, EnvironmentReferenceToAFolderInAnyScriptExpandsWhole) {
    // "C:\Документы\日本語"
    const std::string folder =
        "C:\\\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B\\"
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
    ASSERT_TRUE(SetEnvironmentVariableA("KESTRUNE_SCRIPT_DIR", folder.c_str()));
    EXPECT_EQ(ExtractionPath("%KESTRUNE_SCRIPT_DIR%\\\xE5\x9B\xBE.dll"),
              folder + "\\\xE5\x9B\xBE.dll");
}

// A file chosen in a dialog is a real name: the "%" in it must not be read as a reference.
TEST(IconFiles, LibraryFileWithPercentSignsInItsNameLoadsAsNamed) {
    const std::string dll = TestDataPath("icons10.dll");
    const std::string named = directoryOf(dll) + "\\%KESTRUNE_LIB%icons.dll";
    ASSERT_TRUE(SetEnvironmentVariableA("KESTRUNE_LIB", "elsewhere"));
    ASSERT_TRUE(CopyFileA(dll.c_str(), named.c_str(), FALSE));
    TIcon slots[12];
    const unsigned count = CountIconsAt(named);
    EXPECT_EQ(count, 10u);
    ExtractIconRun(named, 0, std::span<TIcon>(slots).first(std::min<std::size_t>(count, 12)));
    ASSERT_FALSE(slots[3].empty());
    EXPECT_EQ(pixelOf(handleOf(slots[3]), 16, 16), RGB(255, 255, 0));
    EXPECT_TRUE(slots[10].empty());
    EXPECT_EQ(CountIconsAt(named), 10u);
    EXPECT_EQ(CountIcons(named), 0u) << "a registry text is expanded first";
    for (TIcon& icon : slots) icon.reset();
    DeleteFileA(named.c_str());
}

TEST(IconFiles, SystemRootPathOfTheShellLibraryLoads) {
    // The form most DefaultIcon values take on current Windows.
    EXPECT_GT(CountIcons("%SystemRoot%\\system32\\shell32.dll"), 0u);
    EXPECT_FALSE(ExtractIconFrom("%SystemRoot%\\system32\\shell32.dll", 0).empty());
}

TEST(IconObject, ReleasesItsHandleWhenGivenAnotherAndWhenDestroyed) {
    const std::string dll = TestDataPath("icons10.dll");
    ICONINFO info{};
    TIcon icon = ExtractIconFrom(dll, 0);
    HICON first = handleOf(icon);
    ASSERT_TRUE(GetIconInfo(first, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    icon = ExtractIconFrom(dll, 1);
    EXPECT_FALSE(GetIconInfo(first, &info)) << "the old handle should be destroyed";
    HICON second = handleOf(icon);
    {
        TIcon moved = std::move(icon);
        EXPECT_TRUE(icon.empty());
        EXPECT_EQ(handleOf(moved), second);
    }
    EXPECT_FALSE(GetIconInfo(second, &info));
}
