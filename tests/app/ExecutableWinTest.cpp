// What the built Kestrune.exe carries for Windows, read from the file: the manifest (UTF-8 as
// the code page of every ...A call, the execution level, the supported systems, and neither
// no visual styles, awareness of each screen's DPI) and the version resource that Explorer shows.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/Unique.h"
#include "support/TestData.h"

namespace {

using UniqueModule = Unique<HMODULE, FreeLibrary>;

// The program lies beside the folder of the test programs.
std::string ProgramPath() {
    return TestDataPath("..\\Kestrune.exe");
}

std::string ManifestOf(HMODULE module) {
    const HRSRC found = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (!found) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

std::string ProgramManifest() {
    UniqueModule module(LoadLibraryExA(ProgramPath().c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    EXPECT_TRUE(module) << "cannot load " << ProgramPath();
    return module ? ManifestOf(module.get()) : std::string();
}

// The opening tags of every element named name, from "<name" to its ">".
std::vector<std::string> Tags(const std::string& xml, const std::string& name) {
    std::vector<std::string> tags;
    for (size_t at = xml.find("<" + name); at != std::string::npos;
         at = xml.find("<" + name, at + 1)) {
        const char next = xml[at + 1 + name.size()];
        if (next != ' ' && next != '>' && next != '/' && next != '\n') continue;
        tags.push_back(xml.substr(at, xml.find('>', at) - at + 1));
    }
    return tags;
}

// The value of attribute in a tag, or "<none>".
std::string Attribute(const std::string& tag, const std::string& attribute) {
    const size_t at = tag.find(" " + attribute + "=\"");
    if (at == std::string::npos) return "<none>";
    const size_t start = at + attribute.size() + 3;
    return tag.substr(start, tag.find('"', start) - start);
}

// The text between the first element named name and its closing tag.
std::string ElementText(const std::string& xml, const std::string& name) {
    const std::vector<std::string> tags = Tags(xml, name);
    if (tags.empty()) return "<none>";
    const size_t start = xml.find(tags[0]) + tags[0].size();
    return xml.substr(start, xml.find("</" + name + ">", start) - start);
}

std::string VersionText(const std::vector<BYTE>& block, const std::string& name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\040904B0\\" + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
        return "<none>";
    return std::string(text);
}

TEST(Executable, ManifestMakesEveryAnsiCallSpeakUtf8) {
    const std::string manifest = ProgramManifest();
    ASSERT_FALSE(manifest.empty()) << "Kestrune.exe carries no manifest";
    const std::vector<std::string> tags = Tags(manifest, "activeCodePage");
    ASSERT_EQ(tags.size(), 1u);
    // Windows reads the setting only in this namespace.
    EXPECT_EQ(Attribute(tags[0], "xmlns"), "http://schemas.microsoft.com/SMI/2019/WindowsSettings");
    EXPECT_EQ(ElementText(manifest, "activeCodePage"), "UTF-8");
}

// The program starts without a prompt; it asks for elevation only when a change for all users
// wants it.
TEST(Executable, ManifestRunsAsTheInvoker) {
    const std::vector<std::string> tags = Tags(ProgramManifest(), "requestedExecutionLevel");
    ASSERT_EQ(tags.size(), 1u);
    EXPECT_EQ(Attribute(tags[0], "level"), "asInvoker");
    EXPECT_EQ(Attribute(tags[0], "uiAccess"), "false");
}

TEST(Executable, ManifestNamesWindows7To11AsSupported) {
    std::vector<std::string> ids;
    for (const std::string& tag : Tags(ProgramManifest(), "supportedOS"))
        ids.push_back(Attribute(tag, "Id"));
    EXPECT_EQ(ids, (std::vector<std::string>{
                       "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // Windows 7
                       "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",     // Windows 8
                       "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",     // Windows 8.1
                       "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}));  // Windows 10 and 11
}

TEST(Executable, ManifestAsksForNoVisualStyles) {
    const std::string manifest = ProgramManifest();
    ASSERT_FALSE(manifest.empty());
    EXPECT_TRUE(Tags(manifest, "dependency").empty());
    EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
}

// Each element is read only in its own namespace: dpiAwareness by Windows 10 version 1703 and
// later, dpiAware by the systems before.
TEST(Executable, ManifestDeclaresPerMonitorDpiAwarenessForNewAndOlderWindows) {
    const std::string manifest = ProgramManifest();
    const std::vector<std::string> aware = Tags(manifest, "dpiAware");
    const std::vector<std::string> awareness = Tags(manifest, "dpiAwareness");
    ASSERT_EQ(aware.size(), 1u);
    ASSERT_EQ(awareness.size(), 1u);
    EXPECT_EQ(Attribute(aware[0], "xmlns"),
              "http://schemas.microsoft.com/SMI/2005/WindowsSettings");
    EXPECT_EQ(ElementText(manifest, "dpiAware"), "true/pm");
    EXPECT_EQ(Attribute(awareness[0], "xmlns"),
              "http://schemas.microsoft.com/SMI/2016/WindowsSettings");
    EXPECT_EQ(ElementText(manifest, "dpiAwareness"), "PerMonitorV2, PerMonitor");
}

// The test programs run the program's code with the program's own manifest, so that their
// text in other scripts passes the ...A calls as it does in the program.
TEST(Executable, TestProgramsRunUnderTheProgramsManifest) {
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
    EXPECT_EQ(ManifestOf(GetModuleHandleA(nullptr)), ProgramManifest());
}

// The level asks for no elevation the system could refuse at the start: the program starts.
// (Nothing of it runs: it is created suspended and ended at once.)
TEST(Executable, ProgramStartsWithItsManifest) {
    std::string command = "\"" + ProgramPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE,
                                        CREATE_SUSPENDED, nullptr, nullptr, &startup, &process);
    const DWORD error = started ? ERROR_SUCCESS : GetLastError();
    if (started) {
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_SUCCESS));
}

TEST(Executable, VersionResourceSaysWhatTheFileIs) {
    const std::string path = ProgramPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "Kestrune.exe carries no version resource";
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);  // 1.1
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);  // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010001u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const struct {
        const char* name;
        const char* text;
    } texts[] = {{"CompanyName", "Morvane"},  {"FileDescription", "Kestrune"},
                 {"FileVersion", "1.1.0.0"},  {"OriginalFilename", "Kestrune.exe"},
                 {"ProductName", "Kestrune"}, {"ProductVersion", "1.1.0.0"}};
    for (const auto& t : texts) EXPECT_EQ(VersionText(block, t.name), t.text) << t.name;
}

}  // namespace
