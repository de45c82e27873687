// The lookup of what Explorer shows, over a registry, environment and icon files of the
// test's own: each step alone and combined, in a table.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <tuple>

#include "explorer/ExplorerLookup.h"
#include "support/Cases.h"

using namespace explorer;

namespace {

constexpr const char* kChoice =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

std::string folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A value of the test's registry: hive, key path below it, value name, text.
struct Put {
    Hive hive;
    std::string path, name, text;
};

// Classes keys are given below Software\Classes of their hive.
Put user(const std::string& key, const std::string& text, const std::string& name = "") {
    return {Hive::User, std::string(kClassesPath) + "\\" + key, name, text};
}
Put machine(const std::string& key, const std::string& text, const std::string& name = "") {
    return {Hive::Machine, std::string(kClassesPath) + "\\" + key, name, text};
}
Put choice(const std::string& ext, const std::string& key, const std::string& progId) {
    return {Hive::User, kChoice + ext + "\\" + key, "ProgId", progId};
}

// Key names compare case-blind; only C:\icons.dll (5 icons, resource ids 1 and 7) and
// C:\one.ico exist; %ROOT% expands to C:; strings "@C:\res.dll,-N" resolve for N = 1.
class FakeSource : public LookupSource {
public:
    explicit FakeSource(const std::vector<Put>& puts) {
        for (const Put& p : puts) {
            values_[{p.hive, folded(p.path), folded(p.name)}] = p.text;
            for (std::string key = p.path;; key = key.substr(0, key.rfind('\\'))) {
                if (keys_.insert({p.hive, folded(key)}).second) paths_.push_back({p.hive, key});
                if (key.find('\\') == std::string::npos) break;
            }
        }
    }
    std::optional<std::string> ReadText(Hive hive, const std::string& path,
                                        const std::string& name) override {
        const auto found = values_.find({hive, folded(path), folded(name)});
        if (found == values_.end()) return std::nullopt;
        return found->second;
    }
    bool KeyExists(Hive hive, const std::string& path) override {
        return keys_.count({hive, folded(path)}) > 0;
    }
    std::string Expand(const std::string& text) override {
        const std::string::size_type at = text.find("%ROOT%");
        return at == std::string::npos ? text : text.substr(0, at) + "C:" + text.substr(at + 6);
    }
    std::optional<std::string> LoadIndirect(const std::string& text) override {
        if (text.empty() || text[0] != '@') return text;
        if (text == "@C:\\res.dll,-1")
            return "\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82";
        return std::nullopt;
    }
    IconProbe ProbeIcon(const std::string& file, std::int32_t index) override {
        if (file == "C:\\icons.dll")
            return {true, 5, index >= 0 ? index < 5 : (index == -1 || index == -7)};
        if (file == "C:\\one.ico") return {true, 1, index == 0};
        return {};
    }
    std::string ShellTypeName(const std::string& extension) override {
        return "shell:" + extension;
    }
    // In the order the keys were first given.
    std::vector<std::string> ListSubkeys(Hive hive, const std::string& path) override {
        std::vector<std::string> names;
        for (const auto& [h, key] : paths_) {
            const std::string name = key.substr(key.rfind('\\') + 1);
            if (h == hive && folded(key) == folded(path + "\\" + name)) names.push_back(name);
        }
        return names;
    }

private:
    std::map<std::tuple<Hive, std::string, std::string>, std::string> values_;
    std::set<std::pair<Hive, std::string>> keys_;
    std::vector<std::pair<Hive, std::string>> paths_;
};

// A type with a description and a good icon in the machine's part, named by .doc.
std::vector<Put> plainType(std::vector<Put> more = {}) {
    std::vector<Put> puts{machine(".doc", "DocFile"), machine("DocFile", "Doc files"),
                          machine("DocFile\\DefaultIcon", "C:\\icons.dll,2")};
    puts.insert(puts.end(), more.begin(), more.end());
    return puts;
}

// A type T, "t", named by .doc, whose icon location is location.
std::vector<Put> iconType(const std::string& location) {
    return {machine(".doc", "T"), machine("T", "t"), machine("T\\DefaultIcon", location)};
}

// A piece of each warning, in order.
template <class... Pieces>
std::vector<std::string> Warns(Pieces... pieces) {
    return {pieces...};
}

struct Case {
    const char* name;
    std::vector<Put> puts;
    std::string type;                   // the type used in the end
    std::string description;            // the description shown
    std::vector<std::string> warnings;  // a piece of each warning, in order
};

const std::string kRussian = "\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82";
const std::string kChinese = "\xE6\x96\x87\xE6\x9C\xAC";  // two CJK characters

const std::vector<Case> kCases = {
    {"PlainMachineType", plainType(), "DocFile", "Doc files", Warns()},
    {"UserPartOnly",
     std::vector<Put>{user(".doc", "DocFile"), user("DocFile", kChinese),
                      user("DocFile\\DefaultIcon", "C:\\one.ico")},
     "DocFile", kChinese, Warns()},
    {"UserChoiceNamesAnotherType",
     plainType({choice(".doc", "UserChoice", "Other"), machine("Other", "Other files")}), "Other",
     "Other files", Warns("as Other, the choice made in Settings > Default apps, not as DocFile")},
    {"UserChoiceLatestWinsAndMayHoldProgIdInASubkey",
     plainType({choice(".doc", "UserChoice", "Old"),
                choice(".doc", "UserChoiceLatest\\ProgId", "New"), machine("New", "New files")}),
     "New", "New files", Warns("as New,")},
    {"UserChoiceOfTheListedTypeInOtherCaseWarnsNothing",
     plainType({choice(".doc", "UserChoice", "docfile")}), "docfile", "Doc files", Warns()},
    {"CurVerOneDeep",
     plainType({machine("DocFile\\CurVer", "DocFile.2"), machine("DocFile.2", "Doc 2"),
                machine("DocFile.2\\DefaultIcon", "C:\\icons.dll,1")}),
     "DocFile.2", "Doc 2", Warns("DocFile is redirected to DocFile.2 (CurVer)")},
    {"CurVerTwoDeep",
     plainType({machine("DocFile\\CurVer", "DocFile.2"), machine("DocFile.2\\CurVer", "DocFile.3"),
                user("DocFile.3", kRussian)}),
     "DocFile.3", kRussian,
     Warns("DocFile is redirected to DocFile.2", "DocFile.2 is redirected to DocFile.3")},
    {"CurVerCircleStops",
     plainType(
         {machine("DocFile\\CurVer", "B"), machine("B\\CurVer", "DOCFILE"), machine("B", "Bee")}),
     "B", "Bee", Warns("DocFile is redirected to B", "run in a circle")},
    {"CurVerToAMissingKeyIsNotFollowed", plainType({machine("DocFile\\CurVer", "Gone")}), "DocFile",
     "Doc files", Warns()},
    {"FriendlyTypeNamePlain", plainType({machine("DocFile", "Friendly", "FriendlyTypeName")}),
     "DocFile", "Friendly", Warns("DocFile has a FriendlyTypeName")},
    {"FriendlyTypeNameIndirect",
     plainType({machine("DocFile", "@C:\\res.dll,-1", "FriendlyTypeName")}), "DocFile", kRussian,
     Warns("FriendlyTypeName")},
    {"FriendlyTypeNameUnresolvedShowsTheRawText",
     plainType({machine("DocFile", "@C:\\res.dll,-9", "FriendlyTypeName")}), "DocFile",
     "@C:\\res.dll,-9", Warns("FriendlyTypeName")},
    {"IconHandler", plainType({machine("DocFile\\shellex\\IconHandler", "{0000-1}")}), "DocFile",
     "Doc files", Warns("icon handler of DocFile ({0000-1}) decides the icon")},
    {"MissingIconFile", iconType("C:\\none.dll,0"), "T", "t",
     Warns("The icon file C:\\none.dll does not exist")},
    {"IndexBeyondTheIcons", iconType("C:\\icons.dll,5"), "T", "t",
     Warns("holds no icon at index 5 (it holds 5)")},
    {"MissingResourceId", iconType("\"C:\\icons.dll\",-3"), "T", "t",
     Warns("C:\\icons.dll holds no icon with the resource id 3")},
    {"ExpandedQuotedLocationWithResourceId", iconType("\"%ROOT%\\icons.dll\",-7"), "T", "t",
     Warns()},
    {"IndexBeyondTheIntegers", iconType("C:\\icons.dll,99999999999"), "T", "t",
     Warns("holds no icon at index 2147483647")},
    {"QuotedPathWithAComma", iconType("\"C:\\ico, ns.dll\",1"), "T", "t",
     Warns("The icon file C:\\ico, ns.dll does not exist")},
    {"OwnIconIsNoFile", iconType("%1"), "T", "t", Warns()},
    {"BothPartsWithDifferentDescriptions",
     plainType({user("DocFile", "Mine"), user("DocFile\\DefaultIcon", "C:\\icons.dll,2")}),
     "DocFile", "Mine",
     Warns("HKCU\\Software\\Classes\\DocFile holds \"Mine\" and hides \"Doc files\"")},
    {"NoExtensionKey", {}, "", "", Warns("No key of .doc names a type")},
    {"Combined",
     plainType({choice(".doc", "UserChoice", "App.Doc"), machine("App.Doc\\CurVer", "App.Doc.1"),
                machine("App.Doc.1", "@C:\\res.dll,-1", "FriendlyTypeName"),
                machine("App.Doc.1", "App document"),
                machine("App.Doc.1\\shellex\\IconHandler", "{HANDLER}"),
                machine("App.Doc.1\\DefaultIcon", "C:\\none.dll,0")}),
     "App.Doc.1", kRussian,
     Warns("as App.Doc,", "App.Doc is redirected to App.Doc.1", "App.Doc.1 has a FriendlyTypeName",
           "icon handler of App.Doc.1 ({HANDLER})", "C:\\none.dll does not exist")},
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class Lookup : public ::testing::TestWithParam<Case> {};

TEST_P(Lookup, FindsTypeDescriptionAndWarnings) {
    const Case& c = GetParam();
    FakeSource source(c.puts);
    const ExplorerView view = LookUp(source, ".doc");
    EXPECT_EQ(view.type, c.type);
    EXPECT_EQ(view.description, c.description);
    EXPECT_EQ(view.shellTypeName, "shell:.doc");
    ASSERT_EQ(view.warnings.size(), c.warnings.size()) << ::testing::PrintToString(view.warnings);
    for (size_t i = 0; i < c.warnings.size(); ++i)
        EXPECT_NE(view.warnings[i].find(c.warnings[i]), std::string::npos) << view.warnings[i];
}

INSTANTIATE_TEST_SUITE_P(Steps, Lookup, ::testing::ValuesIn(kCases), CaseName());

// Where each step was read, as the window lists it.
TEST(LookupLines, NameWhereEachStepWasRead) {
    FakeSource source(plainType({user("DocFile", "Mine"), choice(".doc", "UserChoice", "DocFile"),
                                 machine("DocFile\\DefaultIcon", "\"%ROOT%\\icons.dll\",-7")}));
    const ExplorerView view = LookUp(source, ".doc");
    EXPECT_EQ(view.iconExpanded, "\"C:\\icons.dll\",-7");
    EXPECT_EQ(view.iconLocation.File, "C:\\icons.dll");
    EXPECT_EQ(view.iconLocation.Index, -7);
    std::map<std::string, std::pair<std::string, std::string>> lines;
    for (const ViewLine& line : ViewLines(view)) lines[line.step] = {line.text, line.where};
    using P = std::pair<std::string, std::string>;
    EXPECT_EQ(lines["Extension key"], P("\"DocFile\"", "HKLM\\Software\\Classes"));
    EXPECT_EQ(lines["User's choice"].second, "HKCU\\" + std::string(kChoice) + ".doc\\UserChoice");
    EXPECT_EQ(lines["Description (default value)"],
              P("\"Mine\"", "HKCU\\Software\\Classes (wins), HKLM\\Software\\Classes"));
    EXPECT_EQ(lines["DefaultIcon as stored"],
              P("\"\"%ROOT%\\icons.dll\",-7\"", "HKLM\\Software\\Classes"));
    EXPECT_EQ(lines["Icon file"].first, "C:\\icons.dll: holds resource id 7 (5 icons)");
    EXPECT_EQ(lines["Shell's answer"], P("\"shell:.doc\"", "SHGetFileInfo"));
}

// The actions of the user's chosen type, of the extension's own type and of the system's
// associations, each name once, the one a double click runs first, hidden ones left out.
TEST(LookupMenu, GathersTheActionsOfEachKeyTheShellMerges) {
    const std::string sfa = "SystemFileAssociations\\";
    FakeSource source(plainType(
        {machine(".doc", "text", "PerceivedType"), choice(".doc", "UserChoice", "Other"),
         user("Other\\shell\\edit\\command", "\"%ROOT%\\ed.exe\" \"%1\""),
         machine("Other\\shell\\open\\command", "notepad.exe %1"),
         machine("Other\\shell\\edit", ""), machine("DocFile\\shell\\OPEN\\command", "doc.exe %1"),
         machine("DocFile\\shell\\print", "&Print it"),
         machine(sfa + ".doc\\shell\\convert", "@C:\\res.dll,-1", "MUIVerb"),
         machine(sfa + ".doc\\shell\\convert", "", "Extended"),
         machine(sfa + "text\\shell\\secret", "", "LegacyDisable"),
         machine(sfa + "text\\shell\\share", "{CLSID}", "ExplorerCommandHandler")}));
    const ExplorerView view = LookUp(source, ".doc");
    std::string shown;
    for (const ViewLine& line : ViewLines(view))
        if (line.step == "Double-click runs" || line.step == "Context menu")
            shown += line.step + ": " + line.text + " @ " + line.where + "\n";
    const std::string hklm = " in " + WhereText(Where::Machine) + "\n";
    EXPECT_EQ(shown, "Double-click runs: Open: notepad.exe %1 @ Other\\shell\\open" + hklm +
                         "Context menu: Edit: \"C:\\ed.exe\" \"%1\" @ Other\\shell\\edit in " +
                         WhereText(Where::Both) +
                         "\nContext menu: Print it:  @ DocFile\\shell\\print" + hklm +
                         "Context menu: " + kRussian + " (with Shift):  @ " + sfa +
                         ".doc\\shell\\convert" + hklm + "Context menu: share: handler {CLSID} @ " +
                         sfa + "text\\shell\\share" + hklm);
    EXPECT_NE(view.warnings.at(0).find(" Editing the actions of DocFile changes"),
              std::string::npos);
}

}  // namespace
