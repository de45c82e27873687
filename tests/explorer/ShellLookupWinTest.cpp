// Explorer's view read from a real registry: the machine's classes (HKLM\Software\Classes),
// the user's (HKCU\Software\Classes) and the user's choices, each written into scratch keys on
// its own, since Wine's HKEY_CLASSES_ROOT does not merge them; indirect strings, environment
// references and icon files resolved by the system.

#include <gtest/gtest.h>
#include <windows.h>

#include "explorer/ShellLookupSource.h"
#include "support/Cases.h"
#include "support/ScratchRegistry.h"
#include "support/TestData.h"

using namespace explorer;

namespace {

const std::string kChoice =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.kst";

struct Put {
    bool user;
    std::string path, name, text;
    DWORD type = REG_SZ;
};
Put user(const std::string& key, const std::string& text, const std::string& name = "") {
    return {true, "Software\\Classes\\" + key, name, text};
}
Put machine(const std::string& key, const std::string& text, const std::string& name = "",
            DWORD type = REG_SZ) {
    return {false, "Software\\Classes\\" + key, name, text, type};
}

// Data of the test's own module: string 101 and the icon with resource id 7.
std::string dataDll() {
    return TestDataPath("explorerdata.dll");
}
const std::string kLoaded = "Документ Kestrune 文書";

struct Case {
    const char* name;
    std::vector<Put> puts;
    std::string type, description;
    size_t warnings;
    Where descriptionWhere;
};

// .kst names Kst.File in the machine's classes: "Machine files", icon resource 7 of the module.
std::vector<Put> base(std::vector<Put> more) {
    std::vector<Put> puts{machine(".kst", "Kst.File"), machine("Kst.File", "Machine files"),
                          machine("Kst.File\\DefaultIcon", "\"" + dataDll() + "\",-7")};
    puts.insert(puts.end(), more.begin(), more.end());
    return puts;
}

std::vector<Case> cases() {
    const std::string icons10 = TestDataPath("icons10.dll");
    return {
        {"MachinePartAlone", base({}), "Kst.File", "Machine files", 0, Where::Machine},
        {"UserPartAlone",
         std::vector<Put>{user(".kst", "Kst.File"), user("Kst.File", "Файлы 用户")}, "Kst.File",
         "Файлы 用户", 0, Where::User},
        {"BothPartsTheUsersWins", base({user("Kst.File", "Mine")}), "Kst.File", "Mine", 1,
         Where::Both},
        {"UserChoice",
         base({{true, kChoice + "\\UserChoice", "ProgId", "Other.File"},
               user("Other.File", "Other files")}),
         "Other.File", "Other files", 1, Where::User},
        {"UserChoiceLatest",
         base({{true, kChoice + "\\UserChoiceLatest\\ProgId", "ProgId", "Other.File"},
               machine("Other.File", "Other files")}),
         "Other.File", "Other files", 1, Where::Machine},
        {"CurVerOneDeep",
         base({machine("Kst.File\\CurVer", "Kst.File.2"), user("Kst.File.2", "Two")}), "Kst.File.2",
         "Two", 1, Where::User},
        {"CurVerTwoDeep",
         base({machine("Kst.File\\CurVer", "Kst.2"), user("Kst.2\\CurVer", "Kst.3"),
               machine("Kst.3", "Three")}),
         "Kst.3", "Three", 2, Where::Machine},
        {"CurVerCircle",
         base({machine("Kst.File\\CurVer", "Kst.2"), machine("Kst.2\\CurVer", "kst.file"),
               machine("Kst.2", "Two")}),
         "Kst.2", "Two", 2, Where::Machine},
        {"FriendlyTypeNamePlain", base({user("Kst.File", "Plain name", "FriendlyTypeName")}),
         "Kst.File", "Plain name", 1, Where::Machine},
        {"FriendlyTypeNameIndirect",
         base({machine("Kst.File", "@" + dataDll() + ",-101", "FriendlyTypeName")}), "Kst.File",
         kLoaded, 1, Where::Machine},
        {"FriendlyTypeNameUnresolved",
         base({machine("Kst.File", "@" + dataDll() + ",-999", "FriendlyTypeName")}), "Kst.File",
         "@" + dataDll() + ",-999", 1, Where::Machine},
        {"IconHandler", base({machine("Kst.File\\shellex\\IconHandler", "{00000000-1}")}),
         "Kst.File", "Machine files", 1, Where::Machine},
        {"MissingIconFile", base({user("Kst.File\\DefaultIcon", "C:\\nowhere\\none.dll,0")}),
         "Kst.File", "Machine files", 2, Where::Machine},
        {"IndexBeyondTheIcons", base({user("Kst.File\\DefaultIcon", icons10 + ",10")}), "Kst.File",
         "Machine files", 2, Where::Machine},
        {"Combined",
         base({{true, kChoice + "\\UserChoice", "ProgId", "App.Kst"},
               user("App.Kst\\CurVer", "App.Kst.1"),
               machine("App.Kst.1", "@" + dataDll() + ",-101", "FriendlyTypeName"),
               machine("App.Kst.1\\shellex\\IconHandler", "{HANDLER}")}),
         "App.Kst.1", kLoaded, 4, Where::Nowhere},
    };
}

void write(const std::vector<Put>& puts) {
    for (const Put& p : puts)
        rawreg::Put(p.user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, p.path, p.name, p.type,
                    rawreg::Bytes(p.text));
}

class ShellLookup : public ::testing::TestWithParam<Case> {
protected:
    ScratchRegistry scratch;
};

TEST_P(ShellLookup, ReadsEachPart) {
    const Case& c = GetParam();
    write(c.puts);
    ShellLookupSource source;
    const ExplorerView view = LookUp(source, ".kst");
    EXPECT_EQ(view.type, c.type);
    EXPECT_EQ(view.description, c.description);
    EXPECT_EQ(view.defaultDescription.where, c.descriptionWhere);
    EXPECT_EQ(view.warnings.size(), c.warnings) << ::testing::PrintToString(view.warnings);
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

INSTANTIATE_TEST_SUITE_P(Steps, ShellLookup, ::testing::ValuesIn(cases()), CaseName());

// An expandable DefaultIcon names the module through the environment; its resource id 7 is
// found and gives the module's icon, a missing id is reported.
TEST(ShellLookupIcon, ExpandsProbesAndLoads) {
    ScratchRegistry scratch;
    const std::string dll = dataDll();
    const std::string folder = dll.substr(0, dll.rfind('\\'));
    ASSERT_TRUE(SetEnvironmentVariableA("KESTRUNE_DATA", folder.c_str()));
    write(base({machine("Kst.File\\DefaultIcon", "%KESTRUNE_DATA%\\explorerdata.dll,-7", "",
                        REG_EXPAND_SZ)}));
    ShellLookupSource source;
    const ExplorerView view = LookUp(source, ".kst");
    SetEnvironmentVariableA("KESTRUNE_DATA", nullptr);
    EXPECT_EQ(view.defaultIcon.text, "%KESTRUNE_DATA%\\explorerdata.dll,-7");
    EXPECT_EQ(view.iconExpanded, dll + ",-7");
    EXPECT_TRUE(view.iconProbe.fileExists);
    EXPECT_TRUE(view.iconProbe.holdsIcon);
    EXPECT_EQ(view.iconProbe.iconCount, 1u);
    EXPECT_TRUE(view.warnings.empty()) << ::testing::PrintToString(view.warnings);
    EXPECT_FALSE(IconOfLocation(dll, -7).empty());
    EXPECT_TRUE(IconOfLocation(dll, -8).empty());
    EXPECT_FALSE(source.ProbeIcon(dll, -8).holdsIcon);
    EXPECT_FALSE(source.ProbeIcon(dll, 1).holdsIcon);
}

// The shell's own answer comes from the classes the process sees.
TEST(ShellLookupIcon, ShellAnswersForTheExtension) {
    ScratchRegistry scratch;
    write(base({}));
    ShellLookupSource source;
    EXPECT_EQ(source.ShellTypeName(".kst"), "Machine files");
    EXPECT_FALSE(ShellIconOf(".kst").empty());
}

// Each part's subkeys listed on their own, names in any script.
TEST(ShellLookupSubkeys, ListsEachPartAlone) {
    ScratchRegistry scratch;
    write({user("Kst.File\\shell\\Правка\\command", "ed.exe"),
           machine("Kst.File\\shell\\open\\command", "notepad.exe")});
    ShellLookupSource source;
    EXPECT_EQ(source.ListSubkeys(Hive::User, "Software\\Classes\\Kst.File\\shell"),
              std::vector<std::string>{"Правка"});
}

}  // namespace
